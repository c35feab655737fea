#pragma once

#include "ResultsListing.h"

#include <QList>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// PrintResults and PrintSetup of the main window. One printer lives for the
// run, made on first use: what the pupil chooses in the set-up dialog is
// what the next print starts with. With no printer installed the pupil is
// told so and the print dialog offers a PDF file instead.
//
// Seam for tests: queued answers stand in for the pupil at the print and
// set-up dialogs, which are then not shown.
class ResultsPrinter
{
public:
    struct Answer {
        bool accept = true;
        QString pdfFile; // non-empty: print to this PDF file
    };
    static void setNextAnswer(const Answer &answer);
    static void clearNextAnswers();

    enum class Outcome { Printed, Cancelled, Failed };

    explicit ResultsPrinter(QWidget *window);
    ~ResultsPrinter();

    Outcome PrintResults(const QList<ResultsListing::Line> &lines, const QString &productName);
    // True when the pupil confirmed the dialog.
    bool PrintSetup();

    // Null until the first print or set-up.
    QPrinter *printer() const { return m_printer.get(); }

private:
    QPrinter &ensurePrinter(const QString &productName);
    bool ask(const QString &title, bool setupOnly);

    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer;
};
