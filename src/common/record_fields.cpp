#include "common/record_fields.h"

#include <stdexcept>

namespace zep {

ByteWriter& FieldWriter::at(std::size_t offset) {
    const std::size_t written = w_.size() - base_;
    if (written > offset)
        throw std::logic_error("record image: field at offset " + std::to_string(offset) +
                               " written after byte " + std::to_string(written));
    w_.zeros(offset - written);
    return w_;
}

ByteReader& FieldReader::at(std::size_t offset) {
    const std::size_t read = r_.offset() - base_;
    if (read > offset)
        throw std::logic_error("record image: field at offset " + std::to_string(offset) +
                               " read after byte " + std::to_string(read));
    r_.skip(offset - read);
    return r_;
}

} // namespace zep
