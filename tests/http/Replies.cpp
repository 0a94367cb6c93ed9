#include "tests/http/Replies.h"

ScriptedReply Ok(const std::string& body, const std::string& extraHeaders) {
    return {{"HTTP/1.1 200 OK\r\n" + extraHeaders +
             "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body}};
}

ScriptedReply Redirect(const std::string& location, const std::string& body) {
    return {{"HTTP/1.1 302 Found\r\nLocation: " + location +
             "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body}};
}

std::string Contents(fw::TMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

Texts HeadLines(const std::string& head) {
    Texts lines;
    std::size_t start = 0;
    for (std::size_t end; (end = head.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (end > start) {
            lines.push_back(head.substr(start, end - start));
        }
    }
    return lines;
}

std::string RequestLine(const ScriptedServer::Request& request) {
    return HeadLines(request.head).front();
}
