#include "shell/ui/wrapped_caption.h"

#include "common/caption_wrap.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace zep {
namespace {

constexpr const char* kCaptionProperty = "zepCaption";

} // namespace

// Word by word: the label's own word wrap breaks between words, so only a word wider than the label
// is cut. Wrapping the whole caption at once would cut words at the places where the lines would end
// without word wrap, which the word wrap then moves ("(дн- и)").
QString wrapped_caption(const QLabel* label, const QString& caption, int available) {
    const QFontMetrics metrics(label->font());
    auto measure = [&](const std::u32string& piece) {
        return metrics.horizontalAdvance(QString::fromStdU32String(piece));
    };
    QStringList words = caption.split(QLatin1Char(' '));
    for (QString& word : words)
        word = QString::fromStdU32String(wrap_caption(word.toStdU32String(), available, measure));
    return words.join(QLatin1Char(' '));
}

void set_wrapped_caption(QLabel* label, const QString& caption, int width) {
    label->setProperty(kCaptionProperty, caption);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setText(wrapped_caption(label, caption, (width < 0 ? label->width() : width) - 2));
}

void rewrap_caption(QLabel* label, int width) {
    set_wrapped_caption(label, label->property(kCaptionProperty).toString(), width);
}

} // namespace zep
