#include "realistic_slip.h"

#include "slip/string_grid.h"

#include <QPainter>

QImage sampleLogo()
{
    QImage logo(360, 140, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0x80, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(5, 5, 130, 130);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(80);
    painter.setFont(font);
    painter.drawText(QRect(5, 5, 130, 130), Qt::AlignCenter, QStringLiteral("山"));
    painter.setPen(QColor(0, 0x80, 0));
    font.setPixelSize(64);
    painter.setFont(font);
    painter.drawText(QRect(145, 5, 215, 130), Qt::AlignCenter, QStringLiteral("YMD"));
    return logo;
}

namespace {

// 品名, mark, 形状, 数量, 単位, 単価, 原単価, 金額, 原価計 of consecutive rows from firstRow.
template<std::size_t N>
void setItemRows(StringGrid &items, int firstRow, const QStringList (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        const int row = firstRow + int(i);
        items.setCell(0, row, QString::number(row));
        for (int cell = 0; cell < rows[i].size(); ++cell)
            items.setCell(2 + cell, row, rows[i].at(cell));
    }
}

} // namespace

// A realistic slip: logo, company block, bank lines, twelve rows, every kind.
void fillRealisticSlip(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    dir.writeLines(QStringLiteral("PRINT.INI"),
                   {QStringLiteral("[社名]=株式会社ヤマダ設備"),
                    QStringLiteral("[社名TOP]=2"),
                    QStringLiteral("[支店]=東京営業所"),
                    QStringLiteral("[〒]=〒160-0023"),
                    QStringLiteral("[住所]=東京都新宿区西新宿1-2-3"),
                    QStringLiteral("[住所2]=ヤマダビル5階"),
                    QStringLiteral("[tel]=TEL 03-1234-5678"),
                    QStringLiteral("[fax]=FAX 03-1234-5679"),
                    QStringLiteral("[TEXT1]=給排水衛生設備・空調設備"),
                    QStringLiteral("[TEXT2]=設計・施工・メンテナンスまでお任せください"),
                    QStringLiteral("[TEXT1LEFT]=-8"),
                    QStringLiteral("[TEXT2LEFT]=-8"),
                    QStringLiteral("[ロゴLEFT]=36"),
                    QStringLiteral("[ロゴTOP]=6"),
                    QStringLiteral("[支店SIZE]=9"),
                    QStringLiteral("[〒SIZE]=9"),
                    QStringLiteral("[住所SIZE]=9"),
                    QStringLiteral("[住所2SIZE]=9"),
                    QStringLiteral("[telSIZE]=9"),
                    QStringLiteral("[faxSIZE]=9"),
                    QStringLiteral("[振込先]=みずほ銀行 新宿支店"),
                    QStringLiteral("[口座番号]=普通 1234567"),
                    QStringLiteral("[名義]=カ）ヤマダセツビ"),
                    QStringLiteral("[形状幅]=25"),
                    QStringLiteral("[パンチ穴線]=1")});
    job.logo = sampleLogo();
    SlipHeader &h = job.header;
    h.NAME1 = QStringLiteral("有限会社 田中工務店");
    h.KEISYOU = QStringLiteral("御中");
    h.YUBIN = QStringLiteral("231-0005");
    h.ADD1 = QStringLiteral("神奈川県横浜市中区本町4-5-6");
    h.ADD_2 = QStringLiteral("本町ハイツ101");
    h.Bangou = QStringLiteral("2031");
    h.DTP1 = QDateTime(QDate(2026, 11, 28), QTime(10, 0));
    h.Sunpou = true;
    h.NOUHIN = h.SEIKYUU = h.JURYOU = h.HIKAE = h.HATYUU = h.IRAI = true;
    const QStringList rows[] = {
        {"塩ビ管 VP", "", "φ50×4m", "6", "本", "1850", "1200", "11100", "7200"},
        {"エルボ 90°", "", "φ50", "12", "個", "320", "180", "3840", "2160"},
        {"　チーズ", "", "φ50", "4", "個", "410", "250", "1640", "1000"},
        {"給湯器 壁掛型 24号 オートストップ機能付 リモコンセット（台所・浴室）", "", "", "1", "台",
         "168000", "121000", "168000", "121000"},
        {"配管工事費", "", "", "1", "式", "45000", "30000", "45000", "30000"},
        {"産業廃棄物処分費", "1", "", "1", "式", "5000", "5000", "5000", "5000"},
        {"保温材", "", "25mm", "8.5", "m", "620", "400", "5270", "3400"},
        {"吊りバンド", "", "φ50", "20", "個", "95", "60", "1900", "1200"},
        {"止水栓", "", "13A", "2", "個", "2800", "1900", "5600", "3800"},
        {"シールテープ", "", "", "3", "巻", "150", "90", "450", "270"},
        {"値引き", "", "", "1", "式", "-2000", "", "-2000", ""},
        {"出張費", "", "", "1", "回", "3000", "2000", "3000", "2000"},
    };
    setItemRows(items, 1, rows);
}

void fillRealisticLongSlip(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items)
{
    fillRealisticSlip(dir, job, items);
    const QStringList rows[] = {
        {"架橋ポリエチレン管", "", "13A×50m", "1", "巻", "18500", "13000", "18500", "13000"},
        {"ポリブテン管継手 ソケット", "", "13A", "10", "個", "280", "170", "2800", "1700"},
        {"　同 エルボ", "", "13A", "8", "個", "310", "190", "2480", "1520"},
        {"さや管", "", "CD22", "30", "m", "120", "70", "3600", "2100"},
        {"ヘッダー 4分岐", "", "", "2", "個", "6800", "4800", "13600", "9600"},
        {"混合水栓 シングルレバー キッチン用 浄水器一体型 シャワーホース引出し式 寒冷地仕様", "",
         "", "1", "台", "42000", "30500", "42000", "30500"},
        {"水栓取付工事費", "", "", "1", "式", "12000", "8000", "12000", "8000"},
        {"排水トラップ", "", "φ40", "2", "個", "1450", "980", "2900", "1960"},
        {"排水管 VU", "", "φ75×4m", "3", "本", "2100", "1400", "6300", "4200"},
        {"掃除口", "", "φ75", "1", "個", "1900", "1250", "1900", "1250"},
        {"防振ゴム", "", "", "4", "個", "350", "210", "1400", "840"},
        {"配管支持金具", "", "", "15", "個", "180", "110", "2700", "1650"},
        {"コーキング材", "", "", "2", "本", "680", "420", "1360", "840"},
        {"試運転調整費", "", "", "1", "式", "8000", "5000", "8000", "5000"},
        {"養生費", "", "", "1", "式", "3500", "2000", "3500", "2000"},
        {"駐車場代（立替）", "1", "", "2", "日", "1500", "1500", "3000", "3000"},
        {"運搬費", "", "", "1", "回", "2500", "1500", "2500", "1500"},
        {"端数調整", "", "", "1", "式", "-800", "", "-800", ""},
    };
    setItemRows(items, 13, rows);
}

void fillPlainHeader(SlipHeader &header)
{
    header.Bangou = QStringLiteral("1024");
    header.NAME1 = QStringLiteral("山田商店");
    header.KEISYOU = QStringLiteral("様");
    header.DTP1 = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
    header.Sunpou = false;
}

void setSlipKinds(SlipHeader &header, std::initializer_list<int> kinds)
{
    bool *flags[] = {&header.NOUHIN, &header.SEIKYUU, &header.JURYOU,
                     &header.HIKAE,  &header.HATYUU,  &header.IRAI};
    for (bool *flag : flags)
        *flag = false;
    for (int kind : kinds)
        *flags[kind - 1] = true;
}
