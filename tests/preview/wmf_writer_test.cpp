#include "preview/wmf_writer.h"
#include "sample_pages.h"

#include "common/sjis.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

qint16 signedWord(const QByteArray &bytes, qsizetype at)
{
    return qint16(word(bytes, at));
}

quint32 dword(const QByteArray &bytes, qsizetype at)
{
    return quint32(word(bytes, at)) | quint32(word(bytes, at + 2)) << 16;
}

struct Record
{
    quint16 function = 0;
    QByteArray params;
    qint16 param(int index) const { return signedWord(params, index * 2); }
};

constexpr qsizetype placeableSize = 22;
constexpr qsizetype headerSize = 18;

// Splits the records after the headers. Fails the test when a size runs past the end.
std::vector<Record> records(const QByteArray &file)
{
    std::vector<Record> result;
    qsizetype at = placeableSize + headerSize;
    while (at < file.size()) {
        const quint32 words = dword(file, at);
        EXPECT_GE(words, 3u);
        EXPECT_LE(at + qsizetype(words) * 2, file.size()) << "record at " << at;
        if (words < 3 || at + qsizetype(words) * 2 > file.size())
            break;
        result.push_back({word(file, at + 4), file.mid(at + 6, qsizetype(words) * 2 - 6)});
        at += qsizetype(words) * 2;
    }
    return result;
}

QByteArray samplePage(int page = 0)
{
    TPrintPreview preview;
    recordSampleSlip(preview);
    return placeableMetafile(preview.page(page));
}

TEST(WmfWriter, PlaceableHeaderReportsTheSheetAt96UnitsPerInch)
{
    const QByteArray file = samplePage();
    ASSERT_GT(file.size(), placeableSize + headerSize);
    EXPECT_EQ(dword(file, 0), 0x9AC6CDD7u);
    EXPECT_EQ(word(file, 4), 0) << "handle";
    const int box[4] = {signedWord(file, 6), signedWord(file, 8), signedWord(file, 10),
                        signedWord(file, 12)};
    EXPECT_EQ(box[0], 0);
    EXPECT_EQ(box[1], 0);
    EXPECT_EQ(box[2], 794) << "210 mm at 96 per inch";
    EXPECT_EQ(box[3], 1123) << "297 mm at 96 per inch";
    EXPECT_EQ(word(file, 14), 96);
    EXPECT_EQ(dword(file, 16), 0u);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= word(file, i * 2);
    EXPECT_EQ(word(file, 20), checksum);

    // The standard header: a disk metafile of version 3.0 whose size is the rest of the file.
    EXPECT_EQ(word(file, 22), 1);
    EXPECT_EQ(word(file, 24), 9);
    EXPECT_EQ(word(file, 26), 0x0300);
    EXPECT_EQ(qsizetype(dword(file, 28)) * 2, file.size() - placeableSize);
}

TEST(WmfWriter, ExportSizeIsThePhysicalSheetAtScreenResolution)
{
    const struct
    {
        const char *name;
        int width, height, dpiX, dpiY;
        QSize expected;
    } cases[] = {
        {"A4 at 600 dpi", 4961, 7016, 600, 600, QSize(794, 1123)},
        {"A4 at 300 dpi", 2480, 3508, 300, 300, QSize(794, 1123)},
        {"A5 landscape at 600 dpi", 4961, 3496, 600, 600, QSize(794, 559)},
        {"uneven resolutions", 4961, 3508, 600, 300, QSize(794, 1123)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PrinterMetrics metrics;
        metrics.physicalWidth = c.width;
        metrics.physicalHeight = c.height;
        metrics.dpiX = c.dpiX;
        metrics.dpiY = c.dpiY;
        EXPECT_EQ(exportPictureSize(metrics), c.expected);
    }
}

TEST(WmfWriter, RecordsAddUpAndEveryObjectIsDeleted)
{
    const QByteArray file = samplePage();
    const std::vector<Record> walked = records(file);
    ASSERT_FALSE(walked.empty());
    EXPECT_EQ(walked.back().function, 0x0000) << "ends with the end-of-file record";

    qsizetype total = placeableSize + headerSize;
    quint32 largest = 0;
    std::set<int> live;
    size_t peak = 0;
    int created = 0;
    int deleted = 0;
    std::map<quint16, int> seen;
    for (const Record &record : walked) {
        const quint32 words = 3 + quint32(record.params.size() / 2);
        total += qsizetype(words) * 2;
        largest = std::max(largest, words);
        ++seen[record.function];
        switch (record.function) {
        case 0x02FA:   // pen
        case 0x02FB:   // font
        case 0x02FC:   // brush
        case 0x0142: { // pattern brush
            // The player puts a new object in the lowest free slot.
            int slot = 0;
            while (live.count(slot))
                ++slot;
            live.insert(slot);
            peak = std::max(peak, live.size());
            ++created;
            break;
        }
        case 0x012D: // select
            EXPECT_TRUE(live.count(record.param(0))) << "selects a live object";
            break;
        case 0x01F0: // delete
            EXPECT_EQ(live.erase(record.param(0)), 1u) << "deletes a live object";
            ++deleted;
            break;
        }
    }
    EXPECT_EQ(total, file.size());
    EXPECT_EQ(dword(file, placeableSize + 12), largest) << "largest record";
    EXPECT_EQ(word(file, placeableSize + 10), peak) << "object table size";
    EXPECT_EQ(created, deleted);
    EXPECT_TRUE(live.empty());

    // The page's drawing calls all arrive: pens, the three brush kinds, the bitmap.
    EXPECT_GE(seen[0x02FA], 3);
    EXPECT_EQ(seen[0x0142], 1) << "bitmap pattern brush";
    EXPECT_EQ(seen[0x061C], 3) << "round rectangles";
    EXPECT_EQ(seen[0x0F43], 1) << "bitmap";
    EXPECT_EQ(seen[0x0214], 2) << "move";
    EXPECT_EQ(seen[0x0213], 2) << "line";
    for (const Record &record : walked) {
        if (record.function != 0x0F43)
            continue;
        // The 40 × 20 logo as a bottom-up 24-bit DIB after the ten stretch parameters,
        // drawn at its own size.
        const QByteArray dib = record.params.mid(22);
        EXPECT_EQ(dword(dib, 0), 40u);
        EXPECT_EQ(dword(dib, 4), 40u);
        EXPECT_EQ(dword(dib, 8), 20u);
        EXPECT_EQ(word(dib, 14), 24);
        EXPECT_EQ(dib.size(), 40 + 120 * 20);
        EXPECT_EQ(record.param(7), 20) << "destination height";
        EXPECT_EQ(record.param(8), 40) << "destination width";
        EXPECT_EQ(quint8(dib[40]), 200) << "blue comes first";
    }
    // The save at the start is matched by a restore, so our objects are unselected before
    // they are deleted.
    EXPECT_EQ(seen[0x001E], 1);
    EXPECT_EQ(seen[0x0127], 1);
}

TEST(WmfWriter, DrawsThePageAtThePrintableAreasOffsetsInPrinterPixels)
{
    const std::vector<Record> walked = records(samplePage());
    std::vector<const Record *> moves;
    const Record *windowExtent = nullptr;
    const Record *pen = nullptr;
    const Record *background = nullptr;
    for (const Record &record : walked) {
        if (record.function == 0x0214)
            moves.push_back(&record);
        if (record.function == 0x020C)
            windowExtent = &record;
        if (record.function == 0x041B)
            background = &record;
        if (record.function == 0x02FA && !pen && record.param(0) != 5)
            pen = &record;
    }
    ASSERT_NE(windowExtent, nullptr);
    EXPECT_EQ(windowExtent->param(0), 7016); // y first
    EXPECT_EQ(windowExtent->param(1), 4961);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->param(0), 7017) << "white down to the bottom edge";
    EXPECT_EQ(background->param(1), 4962);
    EXPECT_EQ(background->param(2), 0);
    EXPECT_EQ(background->param(3), 0);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0]->param(0), 120) << "page (0, 0) sits at the offsets";
    EXPECT_EQ(moves[0]->param(1), 100);
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->param(1), 12) << "pen width in printer pixels";
}

TEST(WmfWriter, TextIsShiftJisWithAShiftJisFont)
{
    const std::vector<Record> walked = records(samplePage());
    QStringList texts;
    QStringList faces;
    std::vector<int> weights;
    for (const Record &record : walked) {
        if (record.function == 0x0521) {
            const int length = record.param(0);
            texts.append(Sjis::decode(record.params.mid(2, length)));
        }
        if (record.function == 0x02FB) {
            EXPECT_EQ(quint8(record.params[13]), 128) << "SHIFTJIS_CHARSET";
            weights.push_back(record.param(4));
            faces.append(Sjis::decode(record.params.mid(18).split('\0').first()));
            EXPECT_LT(record.param(0), 0) << "em height";
        }
    }
    EXPECT_EQ(texts, sampleTexts(1));
    EXPECT_EQ(faces, (QStringList{QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐゴシック")}));
    EXPECT_EQ(weights, (std::vector<int>{700, 400}));
    // "ソ" is 0x83 0x5C: the bytes, not a backslash, reach the file.
    EXPECT_TRUE(Sjis::encode(QStringLiteral("ソ")) == QByteArray("\x83\x5C"));
}

TEST(WmfWriter, FinePrintersAreScaledIntoSixteenBitCoordinates)
{
    TPrintPreview preview;
    PrinterMetrics metrics = a4Metrics600();
    for (int *value : {&metrics.pageWidth, &metrics.pageHeight, &metrics.physicalWidth,
                       &metrics.physicalHeight, &metrics.dpiX, &metrics.dpiY})
        *value *= 8; // 4800 dpi: 56 000 pixels down the sheet
    preview.setPrinterMetrics(metrics);
    preview.BeginDoc();
    preview.Canvas().moveTo(0, 0);
    preview.Canvas().lineTo(metrics.pageWidth, metrics.pageHeight);
    preview.EndDoc();
    const QByteArray file = placeableMetafile(preview.page(0));
    EXPECT_EQ(signedWord(file, 12), 1123);
    for (const Record &record : records(file)) {
        if (record.function == 0x020C) {
            EXPECT_GT(record.param(0), 30000);
            EXPECT_LE(record.param(0), 32000);
        }
        if (record.function == 0x0213) {
            EXPECT_GT(record.param(0), 30000) << "the line still ends at the corner";
        }
    }
}

// An independent reader: libwmf's converter plays the file and must find every text.
TEST(WmfWriter, LibwmfReadsTheFileWithoutComplaint)
{
    const QString converter = QStandardPaths::findExecutable(QStringLiteral("wmf2svg"));
    if (converter.isEmpty())
        GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
    QTemporaryDir dir;
    TPrintPreview preview;
    recordSampleSlip(preview);
    for (int index = 0; index < preview.PageCount(); ++index) {
        SCOPED_TRACE(index + 1);
        const QString wmf = dir.filePath(QStringLiteral("page-%1.wmf").arg(index + 1));
        const QString svg = dir.filePath(QStringLiteral("page-%1.svg").arg(index + 1));
        writePlaceableMetafile(wmf, preview.page(index));
        QProcess process;
        process.start(converter, {QStringLiteral("-o"), svg, wmf});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardError(), QByteArray());
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("<svg width=\"([0-9.]+)\" height=\"([0-9.]+)\""))
                .match(QString::fromLatin1(content));
        ASSERT_TRUE(size.hasMatch());
        EXPECT_NEAR(size.captured(2).toDouble() / size.captured(1).toDouble(), 1123.0 / 794, 0.01)
            << "the sheet's proportions";
        const QString text = Sjis::decode(content);
        for (const QString &expected : sampleTexts(index + 1)) {
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
        }
    }
}

} // namespace
