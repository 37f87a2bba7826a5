#pragma once

#include <QString>

#include <optional>

// The registration number of a qualified invoice issuer: "T" and 13 digits. Full-width
// forms typed through the input method ("Ｔ１２３…") and a lower-case "t" are taken as the
// half-width number they stand for; spaces around it are dropped. Nothing for any other
// text.
std::optional<QString> normalizedRegistrationNumber(const QString &text);

// What the settings dialog says of a number it cannot take.
QString registrationNumberMessage();
