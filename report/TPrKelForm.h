#pragma once

#include "ReportElements.h"
#include "TReportPage.h"

// The appendix to the expert's conclusion: one US Letter page with the eleven measurements of the
// scapula, their sizes and verdicts, the legend with the counts, the concluded sex and the expert's
// name. Its elements are filled by name before every preview.
//
// The members are declared in drawing order, which is the order in which they are created and painted.
class TPrKelForm : public TReportPage
{
    Q_OBJECT

public:
    explicit TPrKelForm(QObject* parent = nullptr);

    // Title block; QRLabel1 is the institution line.
    TReportLabel* const QRLabel1;
    TReportLabel* const QRLabel2;
    TReportLabel* const QRLabel3;
    TReportLabel* const QRLabel4;
    TReportLabel* const QRLabel5;

    // Legend, and the signature caption.
    TReportLabel* const QRLabel62;
    TReportLabel* const QRLabel63;
    TReportLabel* const QRLabel64;
    TReportLabel* const QRLabel65;
    TReportLabel* const QRLabel66;
    TReportLabel* const QRLabel67;

    // Counts ДМ, ВМ, НП, ДЖ, ВЖ; the sex line; the sex marks (male, female, undetermined); the name.
    TReportLabel* const QRLabel118;
    TReportLabel* const QRLabel119;
    TReportLabel* const QRLabel120;
    TReportLabel* const QRLabel121;
    TReportLabel* const QRLabel122;
    TReportLabel* const QRLabel123;
    TReportLabel* const QRLabel124;
    TReportLabel* const QRLabel125;
    TReportLabel* const QRLabel126;
    TReportLabel* const QRLabel127;

    // Frame of the measurement table: outer frame, size column, number column line.
    TReportShape* const QRShape1;
    TReportShape* const QRShape2;
    TReportShape* const QRShape3;

    // Head of the number column, then the foot line of the column heads.
    TReportLabel* const QRLabel6;
    TReportLabel* const QRLabel7;
    TReportShape* const QRShape4;

    // Heads of the name, size and indicator columns; the row numbers 1 to 11.
    TReportLabel* const QRLabel8;
    TReportLabel* const QRLabel9;
    TReportLabel* const QRLabel10;
    TReportLabel* const QRLabel11;
    TReportLabel* const QRLabel12;
    TReportLabel* const QRLabel13;
    TReportLabel* const QRLabel14;
    TReportLabel* const QRLabel15;
    TReportLabel* const QRLabel16;
    TReportLabel* const QRLabel17;
    TReportLabel* const QRLabel18;
    TReportLabel* const QRLabel19;
    TReportLabel* const QRLabel20;
    TReportLabel* const QRLabel21;
    TReportLabel* const QRLabel22;

    // Measurement names: row 11, then rows 1 to 10.
    TReportLabel* const QRLabel37;
    TReportLabel* const QRLabel52;
    TReportLabel* const QRLabel53;
    TReportLabel* const QRLabel54;
    TReportLabel* const QRLabel55;
    TReportLabel* const QRLabel56;
    TReportLabel* const QRLabel57;
    TReportLabel* const QRLabel58;
    TReportLabel* const QRLabel59;
    TReportLabel* const QRLabel60;
    TReportLabel* const QRLabel61;

    // Sizes of rows 1 to 11.
    TReportLabel* const QRLabel68;
    TReportLabel* const QRLabel69;
    TReportLabel* const QRLabel70;
    TReportLabel* const QRLabel71;
    TReportLabel* const QRLabel72;
    TReportLabel* const QRLabel73;
    TReportLabel* const QRLabel74;
    TReportLabel* const QRLabel75;
    TReportLabel* const QRLabel76;
    TReportLabel* const QRLabel77;
    TReportLabel* const QRLabel78;

    // Indicators (verdicts) of rows 1 to 11.
    TReportLabel* const QRLabel93;
    TReportLabel* const QRLabel94;
    TReportLabel* const QRLabel95;
    TReportLabel* const QRLabel96;
    TReportLabel* const QRLabel97;
    TReportLabel* const QRLabel98;
    TReportLabel* const QRLabel99;
    TReportLabel* const QRLabel100;
    TReportLabel* const QRLabel101;
    TReportLabel* const QRLabel102;
    TReportLabel* const QRLabel103;

    // The data source: never opened, so the page prints its elements once and no data rows.
    TReportTable* const MasterTable;
};
