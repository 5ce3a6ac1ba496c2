#include "views/ui/frm_help.h"

#include "shell/shell_text.h"
#include "shell/ui/window_keys.h"
#include "shell/ui/wrapped_caption.h"
#include "views/help_layout.h"
#include "views/ui/help_pictures.h"
#include "views/view_text.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace zep {
namespace {

// The caption of the Close button (the protocol window's).

// The window captions: a blank and the Help menu item's text.
int caption_text(HelpPage page) {
    switch (page) {
    case HelpPage::AboutSystem:
        return 289;
    case HelpPage::AboutObject:
        return 291;
    case HelpPage::AboutDevelopers:
        return 287;
    }
    return 289;
}

QString list_items(const ShellTables& shell, int list, int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i)
        text += shell.item(list, i);
    return QString::fromStdString(text);
}

// The height of a word-wrapping label at its width.
int wrapped_height(QLabel* label) {
    return label->heightForWidth(label->width());
}

void centre_on(QLabel* label, double x, int top) {
    label->adjustSize();
    label->move(static_cast<int>(std::lround(x - label->width() / 2.0)), top);
}

} // namespace

TfrmHelp* TfrmHelp::open(TfrmMain& main) {
    const HelpPage page = main.state().openMode.help_page().value_or(HelpPage::AboutSystem);
    auto* help = new TfrmHelp(main, page);
    help->setAttribute(Qt::WA_DeleteOnClose);
    const QRect frame = main.frameGeometry();
    help->move(frame.center() - QPoint(help->width() / 2, help->height() / 2));
    help->show();
    return help;
}

TfrmHelp::TfrmHelp(TfrmMain& main, HelpPage page) : QWidget(nullptr, Qt::Dialog), main_(main), page_(page) {
    setObjectName(QStringLiteral("TfrmHelp"));
    setWindowTitle(QStringLiteral(" ") + QString::fromStdString(main.state().text(caption_text(page))));
    // The hidden label that measures texts for the caption wrapping.
    auto* measure = new QLabel(this);
    measure->setObjectName(QStringLiteral("Lwidth"));
    measure->hide();
    switch (page) {
    case HelpPage::AboutSystem:
        show_about_system();
        break;
    case HelpPage::AboutObject:
        show_about_object();
        break;
    case HelpPage::AboutDevelopers:
        show_about_developers();
        break;
    }
    add_close_button();
}

// The Close button under the page, which Escape clicks too; the window grows by its row.
void TfrmHelp::add_close_button() {
    auto* close =
        new QPushButton(QString::fromStdString(shell_text(main_.state().shell, ShellText::Close)), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->adjustSize();
    close->resize(std::max(close->width(), 100), close->height());
    const QSize page = size();
    close->move((page.width() - close->width()) / 2, page.height() + 6);
    setFixedSize(page.width(), page.height() + close->height() + 12);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    click_on_escape(this, close);
}

QLabel* TfrmHelp::label(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

QWidget* TfrmHelp::panel(const char* name, int picture) {
    auto* box = new QWidget(this);
    box->setObjectName(QString::fromLatin1(name));
    auto* image = new QLabel(box);
    image->setObjectName(QStringLiteral("Image%1").arg(picture));
    std::string error;
    const QImage decoded = decode_jpeg(help_picture_jpeg(picture), &error);
    if (!decoded.isNull()) {
        image->setPixmap(QPixmap::fromImage(decoded));
        image->resize(decoded.size());
    }
    image->move(0, 0);
    return box;
}

QLabel* TfrmHelp::text_label(QWidget* box, const char* name, const QString& text) {
    auto* label = new QLabel(box);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->raise();
    return label;
}

void TfrmHelp::show_about_system() {
    const ShellTables& sh = main_.state().shell;
    QWidget* box = panel("GroupBox1", 1);
    const int left = (help::kPage1WindowWidth - help::kPage1LabelWidth) / 2;
    QLabel* labels[] = {text_label(box, "Label11", list_items(sh, 0, 0, 4)),
                        text_label(box, "Label12", list_items(sh, 1, 0, 3)),
                        text_label(box, "Label13", list_items(sh, 2, 0, 0)),
                        text_label(box, "Label14", list_items(sh, 3, 0, 0))};
    int heights = 0;
    for (QLabel* l : labels) {
        l->setWordWrap(true);
        l->resize(help::kPage1LabelWidth, 10);
        l->resize(help::kPage1LabelWidth, wrapped_height(l));
        heights += l->height();
    }
    labels[0]->move(left, 8);
    labels[1]->move(left, labels[0]->height() + 15);
    labels[2]->move(left, labels[1]->y() + labels[1]->height() + 3);
    labels[3]->move(left, labels[2]->y() + labels[2]->height() + 3);
    const QSize size(help::kPage1WindowWidth, heights + 60);
    box->resize(size);
    setFixedSize(size);
}

void TfrmHelp::show_about_object() {
    const SessionState& st = main_.state();
    const ShellTables& sh = st.shell;
    QWidget* box = panel("GroupBox2", 2);
    // The names of the two graphs in bold; the subgraphs and fictitious operations stand close
    // together and are named in the regular weight.
    auto figure = [&](const char* name, const std::string& text, bool bold = false) {
        QLabel* l = text_label(box, name, QString::fromStdString(text));
        QFont font = l->font();
        font.setBold(bold);
        l->setFont(font);
        return l;
    };
    centre_on(figure("Label1", view_text(sh, ViewText::SourceGraph), true), help::kSourceGraphX,
              help::kSourceGraphTop);
    centre_on(figure("Label2", view_text(sh, ViewText::NestedSubgraph) + " 1"), help::kSubgraph1X,
              help::kSubgraphTop);
    centre_on(figure("Label3", view_text(sh, ViewText::NestedSubgraph) + " 2"), help::kSubgraph2X,
              help::kSubgraphTop);
    QLabel* f1 = figure("Label4", view_text(sh, ViewText::FictitiousOperation) + " 1");
    f1->adjustSize();
    f1->move(help::kFictitious1Left, help::kFictitious1Top);
    QLabel* f2 = figure("Label5", view_text(sh, ViewText::FictitiousOperation) + " 2");
    f2->adjustSize();
    f2->move(help::kFictitious2Left, help::kFictitious2Top);
    centre_on(figure("Label6", view_text(sh, ViewText::ResultingGraph), true), help::kResultGraphX,
              help::kResultGraphTop);

    const struct {
        const char* name;
        int list, last;
    } blocks[] = {
        {"Label21", 4, 2}, {"Label22", 5, 2}, {"Label23", 6, 1}, {"Label24", 7, 0}, {"Label25", 8, 2}};
    int top = help::kTextColumnTop;
    for (const auto& b : blocks) {
        QLabel* l = text_label(box, b.name, QString());
        l->setWordWrap(true);
        l->resize(help::kTextColumnWidth, 10);
        l->setText(wrapped_caption(l, list_items(sh, b.list, 0, b.last), l->width() - 1));
        l->resize(help::kTextColumnWidth, wrapped_height(l));
        l->move(help::kTextColumnLeft, top);
        top += l->height() + help::kTextBlockGap;
    }
    const QSize size(help::kPicture2.width + 3, help::kPicture2.height + 3);
    box->resize(size);
    setFixedSize(size);
}

void TfrmHelp::show_about_developers() {
    const ShellTables& sh = main_.state().shell;
    QWidget* box = panel("GroupBox3", 3);
    const int left = (help::kPage3WindowWidth - help::kPage3LabelWidth) / 2;
    QLabel* first = text_label(box, "Label31", list_items(sh, 9, 0, 1));
    QLabel* second = text_label(box, "Label32", list_items(sh, 10, 0, 0));
    for (QLabel* l : {first, second}) {
        l->setWordWrap(true);
        l->resize(help::kPage3LabelWidth, 10);
        l->resize(help::kPage3LabelWidth, wrapped_height(l));
    }
    first->move(left, 8);
    second->move(left, first->height() + 15);
    const QSize size(help::kPage3WindowWidth, first->height() + second->height() + 58);
    box->resize(size);
    setFixedSize(size);
}

void TfrmHelp::closeEvent(QCloseEvent* event) {
    main_.setEnabled(true);
    event->accept();
}

} // namespace zep
