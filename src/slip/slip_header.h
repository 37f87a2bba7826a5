#pragma once

#include "common/tax_mode.h"

#include <QDateTime>
#include <QString>

// Everything of the slip that lives outside the item grid: the header fields, the slip
// options and the hidden fields of the main window. The window copies its controls into
// one of these (and back); files, printing and exports work on it without a window.
struct SlipHeader
{
    // Header fields (saved in the slip file unless noted).
    QString NAME1;
    QString NAME2;
    QString Tel; // not saved
    QString KEISYOU;
    QString YUBIN;
    QString ADD1;
    QString ADD_2;
    QDateTime DTP1;
    QString Bangou;
    QString TITLE;
    QString Tanto;
    TaxMode taxMode = TaxMode::Exclusive;

    // Slip options (not saved in the slip file).
    bool NOUHIN = false;
    bool SEIKYUU = false;
    bool JURYOU = false;
    bool HIKAE = false;
    bool HATYUU = false;
    bool IRAI = false;
    bool A5 = false;
    bool DATE_CHECK = false;
    bool Sunpou = true;
    int PRN_S = 0; // 0: 5 rows, 1: 7 rows, 2: 24 rows, 3: 36 rows
    int MUKI = 0;  // 0: portrait, 1: landscape, 2: not shown
    QString KAKERITU;
    QString MARUME;

    // Hidden fields that older file layouts fill.
    QString Add;
    QString Add2;
    QString Nouki;
    QString Basyo;
    QString Kigen;
    QString NameX;

    // The fields blanking empties, the slip's and the statement's alike: the customer, the
    // title, the person and the number, and the hidden fields older layouts fill. The
    // honorific, the tax mode and the slip options stay.
    void clearTypedFields()
    {
        for (QString *field : {&NAME1, &ADD1, &ADD_2, &YUBIN, &Tel, &NAME2, &TITLE, &Tanto, &Bangou,
                               &Add, &Add2, &Basyo, &Kigen})
            field->clear();
    }
};
