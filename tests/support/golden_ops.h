#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <gtest/gtest.h>

// Golden files of recorded drawing operations (tests/fixtures/golden/NAME.json).
//
// The text is the `miravo-cli render --ops` JSON (an array of pages, each an array of
// operations) laid out with one operation per line, so that a difference shows as one line:
// the JSON values are those of the compact --ops output, unchanged and in their order.
//
// The operations depend on the text measurements of the installed fonts (the IPA fonts of
// scripts/install-deps). To write the files anew after an intended change of the drawing,
// run the tests with MIRAVO_UPDATE_GOLDEN=1 and review the diff.

// One operation per line; pages separated by a line "],[".
QByteArray goldenOpsText(const QJsonArray &pages);

// Whether text equals the golden file of name byte for byte; on a difference the result
// names the first differing line and shows both versions of it. With MIRAVO_UPDATE_GOLDEN
// set, writes the file instead and succeeds.
::testing::AssertionResult matchesGoldenFile(const QString &name, const QByteArray &text);
