#include "ResultsPrinter.h"

#include "Activation.h"
#include "ListingPainter.h"
#include "SystemMessageBox.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QQueue>
#include <QStandardPaths>

namespace
{

QQueue<ResultsPrinter::Answer> nextAnswers;

bool noPrinterInstalled()
{
    return QPrinterInfo::availablePrinterNames().isEmpty();
}

QString defaultPdfFile(const QString &productName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = productName.isEmpty() ? QStringLiteral("Results") : productName;
    return QDir(folder).filePath(name + QStringLiteral(" results.pdf"));
}

} // namespace

void ResultsPrinter::setNextAnswer(const Answer &answer)
{
    nextAnswers.enqueue(answer);
}

void ResultsPrinter::clearNextAnswers()
{
    nextAnswers.clear();
}

ResultsPrinter::ResultsPrinter(QWidget *window) : m_window(window) {}

ResultsPrinter::~ResultsPrinter() = default;

QPrinter &ResultsPrinter::ensurePrinter(const QString &productName)
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(productName);
        // A default printer without a device cannot print; a PDF file can.
        if (noPrinterInstalled()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(defaultPdfFile(productName));
        }
    }
    return *m_printer;
}

bool ResultsPrinter::ask(const QString &title, bool setupOnly)
{
    if (!nextAnswers.isEmpty()) {
        const Answer answer = nextAnswers.dequeue();
        if (answer.accept && !answer.pdfFile.isEmpty()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(answer.pdfFile);
        }
        return answer.accept;
    }
    QPrintDialog dialog(m_printer.get(), m_window);
    dialog.setWindowTitle(title);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (!setupOnly)
        options |= QAbstractPrintDialog::PrintShowPageSize;
    dialog.setOptions(options);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    Activation::handBack(m_window);
    return accepted;
}

ResultsPrinter::Outcome ResultsPrinter::PrintResults(const QList<ResultsListing::Line> &lines,
                                                     const QString &productName)
{
    QPrinter &printer = ensurePrinter(productName);
    if (noPrinterInstalled() && printer.outputFormat() != QPrinter::PdfFormat) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(defaultPdfFile(productName));
    }
    if (noPrinterInstalled()) {
        SystemMessageBox::show(
            m_window, QMessageBox::Information, QStringLiteral("No Printer"),
            QStringLiteral("No printer is set up on this computer.\n\n"
                           "You can still keep your results: they will be saved as a PDF file. "
                           "In the next window, check the file name and click Print."));
    }
    if (!ask(QStringLiteral("Print Results"), false))
        return Outcome::Cancelled;
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(defaultPdfFile(productName));
    ListingPainter painter;
    if (!painter.paint(&printer, lines)) {
        const QString where =
            printer.outputFormat() == QPrinter::PdfFormat
                ? QStringLiteral("The file %1 could not be written. Choose another "
                                 "folder and try again.")
                      .arg(QDir::toNativeSeparators(printer.outputFileName()))
                : QStringLiteral("Check that the printer is switched on and "
                                 "try again, or save your results as a PDF file.");
        SystemMessageBox::show(m_window, QMessageBox::Warning, QStringLiteral("Print Results"),
                               QStringLiteral("Your results could not be printed.\n\n") + where);
        return Outcome::Failed;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat)
        // Saved rather than printed: say where, or the pupil cannot find it.
        SystemMessageBox::show(m_window, QMessageBox::Information, QStringLiteral("Print Results"),
                               QStringLiteral("Your results were saved in the file:\n\n")
                                   + QDir::toNativeSeparators(printer.outputFileName()));
    return Outcome::Printed;
}

bool ResultsPrinter::PrintSetup()
{
    ensurePrinter(m_window ? m_window->windowTitle() : QString());
    return ask(QStringLiteral("Printer Setup"), true);
}
