#pragma once

// The colour buttons of the settings dialog's page フォント＆色設定: the caption of each,
// the swatch it sets and the question it asks before the chooser opens.
struct ColourButton
{
    const char *button;
    const char *caption;
    const char *swatch;
    const char *question;
};

inline constexpr ColourButton colourButtons[] = {
    {"SpeedButton5", "データ文字色", "DATA_IRO",
     "印刷時の品名・金額などの色を設定します。\r\n\r\n"},
    {"SpeedButton6", "請求書色", "SEQ_IRO", "印刷時の請求書の色を設定します。\r\n\r\n"},
    {"SpeedButton7", "納品書色", "NOHIN_IRO", "印刷時の納品書の色を設定します。\r\n\r\n"},
    {"SpeedButton8", "受領書色", "JURYO_IRO", "印刷時の受領書色を設定します。\r\n\r\n"},
    {"SpeedButton9", "伝票控色", "HIKAE_IRO", "印刷時の伝票(控)の色を設定します。\r\n\r\n"},
    {"SpeedButton14", "発注書色", "CYUMON_IRO", "印刷時の発注書色を設定します。\r\n\r\n"},
    {"SpeedButton15", "見積依頼書色", "IRAI_IRO", "印刷時の見積依頼書色を設定します。\r\n\r\n"},
    {"SpeedButton17", "領収証色", "RYOSYUU_IRO", "印刷時の領収証色を設定します。\r\n\r\n"},
    {"SpeedButton1", "領収証控え色", "RYOSYUU_H_IRO", "印刷時の領収証(控)色を設定します。\r\n\r\n"},
    {"SpeedButton12", "明細請求書色", "MEISAI_IRO", "印刷時の請求明細書色を設定します。\r\n\r\n"},
    {"SpeedButton19", "明細請求控え", "MEISAI_H_IRO",
     "印刷時の請求明細書(控)色を設定します。\r\n\r\n"},
};

// The swatches that ask when pressed, themselves or through their label (the label's name
// stands as the button).
inline constexpr ColourButton colourSwatches[] = {
    {"RYO_COLOR_LABEL", "小さい領収証の模様の色", "RYO_COLOR", "領収証の色を設定します。\r\n\r\n"},
    {"JISYA_COLOR_LABEL", "自社名フォント色", "JISYA_COLOR",
     "封筒自社名の色を設定します。\r\n\r\n"},
};
