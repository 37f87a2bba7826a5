// `miravo-cli render --ops` of the slip fixtures, compared byte for byte with the golden
// files of tests/fixtures/golden (see support/golden_ops.h).
#include "cli_run.h"
#include "support/golden_ops.h"

#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

struct GoldenRender
{
    const char *name;
    bool legacy; // the ".321" fixture
    QStringList options;
};

void PrintTo(const GoldenRender &c, std::ostream *out)
{
    *out << c.name;
}

class RenderGolden : public ::testing::TestWithParam<GoldenRender>
{};

TEST_P(RenderGolden, OpsMatchTheGoldenFile)
{
    const GoldenRender &c = GetParam();
    TempProgramDir home;
    const QString ops = home.path() + QStringLiteral("ops.json");
    const QString slip = c.legacy ? fixtureLegacySlip() : fixtureSlip();
    const CliRun run =
        runCli(home, QStringList{QStringLiteral("render"), slip} + c.options +
                         QStringList{"--pdf", home.path() + "slip.pdf", "--ops", ops});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    QFile file(ops);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    ASSERT_TRUE(document.isArray());
    // The golden text lays the same values out one operation a line; the --ops file is
    // their compact form, so equal golden texts mean equal --ops bytes.
    ASSERT_EQ(document.toJson(QJsonDocument::Compact), bytes);
    EXPECT_TRUE(matchesGoldenFile(QString::fromUtf8(c.name), goldenOpsText(document.array())));
}

const GoldenRender renders[] = {
    {"cli_5rows_kinds124", false, {"--layout", "5", "--kinds", "124"}},
    {"cli_7rows_kinds1356", false, {"--layout", "7", "--kinds", "1356"}},
    {"cli_5rows_a5_date_none", false, {"--layout", "5", "--kinds", "24", "--a5", "--date-none"}},
    {"cli_7rows_a5", false, {"--layout", "7", "--kinds", "123456", "--a5"}},
    {"cli_legacy_5rows", true, {"--layout", "5", "--kinds", "12"}},
    {"cli_legacy_7rows", true, {"--layout", "7", "--kinds", "45"}},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, RenderGolden, ::testing::ValuesIn(renders),
                         [](const ::testing::TestParamInfo<GoldenRender> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
