#pragma once
// The print command of the views: a print preview of the printout, from which the user prints on a
// printer or saves a PDF file. Without an installed printer the preview prints to a PDF file.
#include "views/ui/printout.h"

#include <QPrintPreviewDialog>

class QPrinter;

namespace zep {

class PrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // `pdfName` is the file name offered when the printout goes to a PDF file.
    PrintPreview(PrintDocument doc, const QString& pdfName, QWidget* parent);

    QPrinter* printer() const { return printer_; }
    const PrintDocument& document() const { return doc_; }

private:
    PrintPreview(QPrinter* printer, PrintDocument doc, QWidget* parent);

    QPrinter* printer_; // deleted after the dialog, which uses it to the end
    PrintDocument doc_;
};

// Opens the preview window-modal over `parent`; it is destroyed when it closes.
PrintPreview* open_print_preview(PrintDocument doc, const QString& pdfName, QWidget* parent);

} // namespace zep
