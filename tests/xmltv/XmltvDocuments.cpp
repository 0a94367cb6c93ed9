#include "tests/xmltv/XmltvDocuments.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <zlib.h>

namespace xmltv::testing {

std::string Document(std::string_view body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>\n" + std::string(body) + "\n</tv>\n";
}

std::string Gzipped(std::string_view bytes) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2");
    }
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw std::runtime_error("deflate");
    }
    return out;
}

std::map<std::string, std::string> FilesUnder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[fs::relative(entry.path(), folder).string()] = bytes.str();
        }
    }
    return files;
}

} // namespace xmltv::testing
