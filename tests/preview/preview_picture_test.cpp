#include "preview/preview_picture.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(PreviewPicture, ShownSizeIsThePhysicalSizeOnScreenTimesTheZoomHalvesToEven)
{
    // A4 at 600 dpi: the extent 5111 × 7166 printer pixels is 21637 × 30336 hundredths of
    // a millimetre, 818 × 1147 pixels on a 96 dpi screen.
    const struct
    {
        double zoom;
        QSize expected;
    } cases[] = {
        {0.25, {204, 287}},   {0.5, {409, 574}},   {0.75, {614, 860}},   {1.0, {818, 1147}},
        {1.25, {1022, 1434}}, {1.5, {1227, 1720}}, {1.75, {1432, 2007}}, {2.0, {1636, 2294}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.zoom);
        EXPECT_EQ(shownPictureSize(a4Metrics600(), 96, 96, c.zoom), c.expected);
    }
}

TEST(PreviewPicture, ShownSizeFollowsEachAxisResolution)
{
    PrinterMetrics metrics = a4Metrics600();
    metrics.dpiX = 300;
    metrics.physicalWidth = 2480;
    // 2630 px at 300 dpi: 22269 hundredths of a millimetre, 842 px at 96 dpi, 1052 at 120.
    EXPECT_EQ(shownPictureSize(metrics, 96, 96, 1.0), QSize(842, 1147));
    EXPECT_EQ(shownPictureSize(metrics, 120, 96, 1.0).width(), 1052);
    metrics.dpiX = 0;
    EXPECT_EQ(shownPictureSize(metrics, 96, 96, 1.0).width(), 0);
}

TEST(PreviewPicture, CentringCutsTowardZero)
{
    const struct
    {
        int box;
        int image;
        int expected;
    } cases[] = {
        {800, 614, 93}, {800, 615, 92}, {800, 1022, -111}, {800, 1023, -111}, {600, 600, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.image);
        EXPECT_EQ(centredPosition(c.box, c.image), c.expected);
    }
}

TEST(PreviewPicture, DrawsShadowSheetPrintableAreaAndThePageAtThePrintableOffset)
{
    // At 96 dpi on a 96 dpi screen the picture is shown at its own size, one printer pixel
    // per screen pixel.
    RecordedPage page;
    page.metrics.physicalWidth = 300;
    page.metrics.physicalHeight = 400;
    page.metrics.offsetX = 20;
    page.metrics.offsetY = 30;
    page.metrics.pageWidth = 250;
    page.metrics.pageHeight = 330;
    page.metrics.dpiX = 96;
    page.metrics.dpiY = 96;
    RecordingCanvas canvas(page);
    canvas.setBrush({Qt::red, CanvasBrushStyle::Solid, {}});
    canvas.setPen({Qt::red, 1, CanvasPenStyle::Solid});
    canvas.roundRect(0, 0, 10, 10, 0, 0);

    const QSize size = shownPictureSize(page.metrics, 96, 96, 1.0);
    ASSERT_EQ(size, QSize(450, 550));
    const QImage image = renderSheetPicture(page, size, 1.0);
    const QColor grey(128, 128, 128);
    const struct
    {
        const char *what;
        QPoint at;
        QColor expected;
    } probes[] = {
        {"outside the sheet", {10, 10}, Qt::white},
        {"sheet frame", {50, 200}, Qt::black},
        {"sheet", {60, 60}, Qt::white},
        {"shadow right of the sheet", {360, 300}, grey},
        {"shadow below the sheet", {200, 460}, grey},
        {"no shadow above its offset", {360, 90}, Qt::white},
        {"page origin at the printable offset", {72, 82}, Qt::red},
        {"page does not start earlier", {68, 78}, Qt::white},
    };
    for (const auto &probe : probes) {
        SCOPED_TRACE(probe.what);
        EXPECT_EQ(image.pixelColor(probe.at), probe.expected);
    }
}

} // namespace
