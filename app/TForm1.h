#pragma once

#include "ReferenceTable.h"
#include "Settings.h"
#include "ui_TForm1.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class TPrKelForm;

// The main window: the design of TForm1.ui and the handlers of its events.
class TForm1 : public QWidget, public Ui::TForm1
{
    Q_OBJECT

public:
    using TExpertNamesReader = std::function<TExpertNames()>;

    // Loads the design, wires the handlers, then runs FormCreate; a failure escaping
    // FormCreate is shown and the window is created all the same. readExpertNames is where
    // FormCreate takes the expert names from.
    explicit TForm1(TExpertNamesReader readExpertNames = ReadExpertNames, QWidget* parent = nullptr);

    // The event handlers. Each takes the control that raised the event and ignores it.
    void FormCreate(QObject* Sender);
    void Edit1Change(QObject* Sender);
    void ExitBtnClick(QObject* Sender);
    // The print command: fills the report from the window and shows its preview, returning when
    // the preview has been closed or the application is ending.
    void PrintBtnClick(QObject* Sender);

    // Copies what the window shows, the institution line and the concluded sex into PrKelForm.
    void FillReport();

private:
    void ApplyDesignFonts();
    void ApplySystemColours();
    void SizeLabelsToText();
    void MakeSelectedSexButtonTheTabStop();
    // A slot that runs handler for sender, showing a failure that escapes it.
    std::function<void()> Guarded(void (TForm1::*handler)(QObject*), QObject* sender);
    void ShowCount(QLabel* label, int count);

    TExpertNamesReader m_readExpertNames;
    std::array<QLineEdit*, MeasurementCount> m_measurementBoxes{};
    std::array<QLineEdit*, MeasurementCount> m_verdictBoxes{};
};

// The one main window of the program, set once when it is created.
extern TForm1* Form1;

// The one report object of the program, created after Form1 and set once; the print command fills
// it and shows its preview.
extern TPrKelForm* PrKelForm;
