#include "views/ui/print_preview.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

namespace zep {
namespace {

QPrinter* make_printer(const QString& pdfName) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir::home().filePath(pdfName));
    }
    printer->setResolution(kPrintResolution);
    prepare_page(*printer);
    printer->setDocName(pdfName);
    return printer;
}

} // namespace

PrintPreview::PrintPreview(PrintDocument doc, const QString& pdfName, QWidget* parent)
    : PrintPreview(make_printer(pdfName), std::move(doc), parent) {}

PrintPreview::PrintPreview(QPrinter* printer, PrintDocument doc, QWidget* parent)
    : QPrintPreviewDialog(printer, parent), printer_(printer), doc_(std::move(doc)) {
    setObjectName(QStringLiteral("PrintPreview"));
    connect(this, &QObject::destroyed, [printer] { delete printer; });
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        // The Gantt page turns the page; every run starts upright.
        prepare_page(*p);
        print_document(*p, doc_);
    });
}

PrintPreview* open_print_preview(PrintDocument doc, const QString& pdfName, QWidget* parent) {
    auto* preview = new PrintPreview(std::move(doc), pdfName, parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->resize(1000, 760);
    preview->open();
    return preview;
}

} // namespace zep
