#pragma once
// The bytes of an XMLTV document from a stream, read in blocks: as they stand,
// or inflated when the stream holds gzip data (recognised by its magic bytes),
// so a compressed document is never held whole.

#include "framework/Stream.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace xmltv {

// Whether head (a document's first bytes, a few hundred suffice) looks like an
// XMLTV document rather than a zip package: gzip data, or markup after an
// optional UTF-8 byte-order mark and white space. Well-formedness is the
// converter's to judge.
bool LooksLikeXmltv(std::string_view head);

class DocumentBytes {
public:
    // Reads from the stream's current position on.
    explicit DocumentBytes(fw::TStream& stream);
    ~DocumentBytes();
    DocumentBytes(const DocumentBytes&) = delete;
    DocumentBytes& operator=(const DocumentBytes&) = delete;

    // Up to size bytes of the document into buffer; 0 at its end. Raises
    // EXmltvError for gzip data that is damaged or cut short.
    std::size_t Read(char* buffer, std::size_t size);

private:
    struct Inflater;

    // The stream is read in large blocks whatever the parser asks for, so a
    // document costs few reads.
    std::string_view Input();
    void Consume(std::size_t count) { FInputAt += count; }
    std::size_t ReadCompressed(char* buffer, std::size_t size);

    fw::TStream& FStream;
    std::unique_ptr<char[]> FInput;
    std::size_t FInputAt = 0;
    std::size_t FInputEnd = 0;
    bool FInputEnded = false;
    std::unique_ptr<Inflater> FInflater; // null for a plain document
};

} // namespace xmltv
