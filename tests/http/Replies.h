#pragma once
// Building blocks of the client's tests: scripted replies, and what a test reads
// back from a stream or a received request head.

#include "framework/MemoryStream.h"
#include "tests/http/ScriptedServer.h"

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// A 200 reply with a counted body.
ScriptedReply Ok(const std::string& body, const std::string& extraHeaders = "");
// A 302 reply to location with a counted body.
ScriptedReply Redirect(const std::string& location, const std::string& body = "");

// The bytes a memory stream holds.
std::string Contents(fw::TMemoryStream& stream);
// The request line and the header lines of a received head.
Texts HeadLines(const std::string& head);
std::string RequestLine(const ScriptedServer::Request& request);
