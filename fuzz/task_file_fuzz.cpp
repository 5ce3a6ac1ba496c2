// The task file reader on arbitrary bytes: it either gives a record or refuses with FileFormatError,
// never crashes, never sizes an array beyond the task limits; and a record it gives that the writer
// takes is written as a file that reads again.
#include "common/errors.h"
#include "task/task_file.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zep::TaskRecord rec;
    try {
        rec = zep::decode_task_file({data, size}, "fuzz.dat");
    } catch (const zep::FileFormatError&) {
        return 0;
    }
    std::vector<std::uint8_t> image;
    try {
        image = zep::encode_task_file(rec);
    } catch (const std::invalid_argument&) {
        return 0; // readable but not what the wizard could have saved
    } catch (const zep::TextEncodingError&) {
        return 0; // a byte without a character (0x98) read as a replacement character
    }
    zep::TaskRecord again = zep::decode_task_file(image, "fuzz-again.dat");
    if (zep::encode_task_file(again) != image)
        std::abort();
    return 0;
}
