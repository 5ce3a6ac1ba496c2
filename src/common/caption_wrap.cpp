#include "common/caption_wrap.h"

namespace zep {

std::u32string wrap_caption(const std::u32string& caption, int available,
                            const std::function<int(const std::u32string&)>& measure) {
    if (available <= 0 || caption.empty() || measure(caption) <= available)
        return caption;

    auto cutMark = [&](std::size_t i) -> std::u32string {
        bool blank = caption[i] == U' ' || (i > 0 && caption[i - 1] == U' ');
        return blank ? U" " : U"- ";
    };

    std::u32string result;
    std::u32string piece;
    const std::size_t last = caption.size() - 1;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        std::u32string candidate = piece + caption[i];
        bool reaches = measure(candidate) >= available;
        if (i == last) {
            if (!reaches)
                result += candidate;
            else
                result += piece + cutMark(i) + caption[i];
            break;
        }
        if (reaches) {
            result += piece + cutMark(i);
            piece.assign(1, caption[i]);
        } else {
            piece = std::move(candidate);
        }
    }
    return result;
}

} // namespace zep
