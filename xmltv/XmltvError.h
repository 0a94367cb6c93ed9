#pragma once
// What the converter raises: a document it cannot take (not well-formed, not
// XMLTV, damaged compression, no channel), with a one-line message.

#include "framework/Exception.h"

namespace xmltv {

class EXmltvError : public fw::Exception {
public:
    using fw::Exception::Exception;
};

} // namespace xmltv
