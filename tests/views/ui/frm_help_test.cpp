// The help window's three pages: captions, texts from the shell's lists, the figure labels centred on
// their points whatever their length, the window growing with its texts, and the pictures decoded.
#include "ui_workspace.h"
#include "views/help_layout.h"
#include "views/ui/frm_help.h"
#include "views/ui/help_pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace zep;

namespace {

struct HelpHarness {
    test::UiWorkspace ui;
    HelpHarness() {
        ui.main->register_window(WindowKind::Help, [](TfrmMain& m) { return TfrmHelp::open(m); });
    }
    // The page as the Help menu opens it.
    TfrmHelp* open(const char* command) {
        ui.main->action(QString::fromLatin1(command))->trigger();
        return test::open_window<TfrmHelp>();
    }
};

QString items(const ShellTables& sh, int list, int last) {
    std::string t;
    for (int i = 0; i <= last; ++i)
        t += sh.item(list, i);
    return QString::fromStdString(t);
}

// The size of the page shown (the window adds the row of its Close button).
QSize page_size(const TfrmHelp* help) {
    for (const char* name : {"GroupBox1", "GroupBox2", "GroupBox3"})
        if (const auto* box = help->findChild<QWidget*>(QString::fromLatin1(name)))
            return box->size();
    return {};
}

TEST(TfrmHelp, CloseUnderThePageAndEscapeCloseTheWindow) {
    HelpHarness h;
    for (const char* command : {"N101", "N102", "N103"}) {
        for (bool escape : {false, true}) {
            TfrmHelp* help = h.open(command);
            ASSERT_NE(help, nullptr) << command;
            help->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(help));
            auto* close = help->findChild<QPushButton*>(QStringLiteral("btnClose"));
            ASSERT_NE(close, nullptr);
            EXPECT_EQ(close->text().toStdString(), h.ui.state().text(146));
            EXPECT_GE(close->y(), page_size(help).height()) << "under the page";
            EXPECT_LE(close->geometry().bottom(), help->height());
            if (escape)
                QTest::keyClick(help, Qt::Key_Escape);
            else
                QTest::mouseClick(close, Qt::LeftButton);
            QApplication::processEvents();
            EXPECT_EQ(test::open_window<TfrmHelp>(), nullptr) << command << (escape ? " Escape" : " Close");
            EXPECT_TRUE(h.ui.main->isEnabled());
        }
    }
}

TEST(TfrmHelp, EachMenuItemOpensItsPageCaptionedWithABlankAndTheItemsText) {
    HelpHarness h;
    const struct {
        const char* command;
        HelpPage page;
        const char* panel;
    } cases[] = {{"N101", HelpPage::AboutSystem, "GroupBox1"},
                 {"N102", HelpPage::AboutObject, "GroupBox2"},
                 {"N103", HelpPage::AboutDevelopers, "GroupBox3"}};
    for (const auto& c : cases) {
        TfrmHelp* help = h.open(c.command);
        ASSERT_NE(help, nullptr) << c.command;
        EXPECT_EQ(help->page(), c.page);
        EXPECT_EQ(help->windowTitle(),
                  QStringLiteral(" ") + h.ui.main->action(QString::fromLatin1(c.command))->text());
        EXPECT_NE(help->findChild<QWidget*>(QString::fromLatin1(c.panel)), nullptr);
        EXPECT_FALSE(h.ui.main->isEnabled());
        help->close();
        QApplication::processEvents();
        EXPECT_TRUE(h.ui.main->isEnabled());
        EXPECT_EQ(test::open_window<TfrmHelp>(), nullptr);
    }
}

TEST(TfrmHelp, AboutTheSystemGrowsWithItsFourTexts) {
    HelpHarness h;
    TfrmHelp* help = h.open("N101");
    ASSERT_NE(help, nullptr);
    const ShellTables& sh = h.ui.state().shell;
    QLabel* l[] = {help->label("Label11"), help->label("Label12"), help->label("Label13"),
                   help->label("Label14")};
    EXPECT_EQ(l[0]->text(), items(sh, 0, 4));
    EXPECT_EQ(l[1]->text(), items(sh, 1, 3));
    EXPECT_EQ(l[2]->text(), items(sh, 2, 0));
    EXPECT_EQ(l[3]->text(), items(sh, 3, 0));
    int heights = 0;
    for (QLabel* label : l) {
        EXPECT_EQ(label->width(), help::kPage1LabelWidth);
        heights += label->height();
    }
    EXPECT_EQ(l[1]->y(), l[0]->height() + 15);
    EXPECT_EQ(l[2]->y(), l[1]->y() + l[1]->height() + 3);
    EXPECT_EQ(l[3]->y(), l[2]->y() + l[2]->height() + 3);
    EXPECT_EQ(page_size(help), QSize(help::kPage1WindowWidth, heights + 60));
    QPixmap picture = help->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
    EXPECT_EQ(picture.size(), QSize(help::kPicture1.width, help::kPicture1.height));
    help->close();
}

TEST(TfrmHelp, FigureLabelsStayCentredOnTheirPointsWhateverTheirLength) {
    for (const std::string& extra : {std::string(), std::string(" with a much longer translation")}) {
        HelpHarness h;
        for (int n : {167, 57, 394})
            h.ui.state().shell.texts[n] += extra;
        TfrmHelp* help = h.open("N102");
        ASSERT_NE(help, nullptr);
        const struct {
            const char* name;
            double x;
        } points[] = {{"Label1", help::kSourceGraphX},
                      {"Label2", help::kSubgraph1X},
                      {"Label3", help::kSubgraph2X},
                      {"Label6", help::kResultGraphX}};
        for (const auto& p : points) {
            QLabel* l = help->label(p.name);
            EXPECT_NEAR(l->x() + l->width() / 2.0, p.x, 1.0) << p.name << extra;
        }
        EXPECT_EQ(help->label("Label4")->pos(), QPoint(help::kFictitious1Left, help::kFictitious1Top));
        EXPECT_EQ(help->label("Label2")->text().toStdString(), h.ui.state().text(57) + " 1");
        EXPECT_EQ(help->label("Label5")->text().toStdString(), h.ui.state().text(463) + " 2");
        EXPECT_EQ(page_size(help), QSize(help::kPicture2.width + 3, help::kPicture2.height + 3));
        // The text blocks read the lists, broken only where the caption wrapping puts blanks.
        QString block = help->label("Label21")->text();
        EXPECT_EQ(block.remove(QLatin1Char(' ')).remove(QLatin1Char('-')),
                  items(h.ui.state().shell, 4, 2).remove(QLatin1Char(' ')).remove(QLatin1Char('-')));
        help->close();
    }
}

TEST(TfrmHelp, AboutTheDevelopersGrowsWithItsTwoTexts) {
    HelpHarness h;
    TfrmHelp* help = h.open("N103");
    ASSERT_NE(help, nullptr);
    QLabel* a = help->label("Label31");
    QLabel* b = help->label("Label32");
    EXPECT_EQ(a->text(), items(h.ui.state().shell, 9, 1));
    EXPECT_EQ(a->width(), help::kPage3LabelWidth);
    EXPECT_EQ(b->y(), a->height() + 15);
    EXPECT_EQ(page_size(help), QSize(help::kPage3WindowWidth, a->height() + b->height() + 58));
    help->close();
}

TEST(HelpPictures, DecodeAtTheirSizesAndADamagedOneIsAnError) {
    const help::Size sizes[] = {help::kPicture1, help::kPicture2, help::kPicture3};
    for (int page = 1; page <= 3; ++page) {
        const QImage image = decode_jpeg(help_picture_jpeg(page));
        EXPECT_EQ(image.size(), QSize(sizes[page - 1].width, sizes[page - 1].height)) << page;
    }
    const auto bytes = help_picture_jpeg(2);
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 200);
    std::string error;
    EXPECT_TRUE(decode_jpeg(cut, &error).isNull());
    EXPECT_FALSE(error.empty());
    std::vector<std::uint8_t> junk(100, 0x42);
    EXPECT_TRUE(decode_jpeg(junk, &error).isNull());
}

} // namespace
