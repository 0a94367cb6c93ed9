#pragma once
// The request and response header objects of the HTTP client: named fields that
// are built into, or parsed from, the raw header lines.

#include "framework/EnumInfo.h"
#include "framework/Stream.h"
#include "http/NetHeaderList.h"

#include <cstdint>
#include <string>
#include <vector>

// A field with a getter P() and a setter SetP(v), as the component's properties read.
#define NET_HEADER_FIELD(Type, Name, Default)                                                      \
public:                                                                                            \
    const Type& Name() const {                                                                     \
        return F##Name;                                                                            \
    }                                                                                              \
    void Set##Name(Type value) {                                                                   \
        F##Name = std::move(value);                                                                \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    Type F##Name = Default

// Fields every message can carry about its body.
class TNetEntityHeaderInfo {
    NET_HEADER_FIELD(std::string, CacheControl, {});
    NET_HEADER_FIELD(std::string, CharSet, {});
    NET_HEADER_FIELD(std::string, Connection, {});
    NET_HEADER_FIELD(std::string, ContentDisposition, {});
    NET_HEADER_FIELD(std::string, ContentEncoding, {});
    NET_HEADER_FIELD(std::string, ContentLanguage, {});
    NET_HEADER_FIELD(std::int64_t, ContentLength, -1);
    NET_HEADER_FIELD(std::int64_t, ContentRangeStart, -1);
    NET_HEADER_FIELD(std::int64_t, ContentRangeEnd, -1);
    NET_HEADER_FIELD(std::int64_t, ContentRangeInstanceLength, -1);
    NET_HEADER_FIELD(std::string, ContentType, {});
    NET_HEADER_FIELD(std::string, ContentVersion, {});
    NET_HEADER_FIELD(std::string, Date, {});
    NET_HEADER_FIELD(std::string, ETag, {});
    NET_HEADER_FIELD(std::string, Expires, {});
    NET_HEADER_FIELD(std::string, LastModified, {});
    NET_HEADER_FIELD(std::string, Pragma, {});
    NET_HEADER_FIELD(std::string, ProxyConnection, {});
    NET_HEADER_FIELD(std::string, TransferEncoding, {});

public:
    virtual ~TNetEntityHeaderInfo() = default;

    bool HasContentLength() const { return FContentLength >= 0; }
    TNetHeaderList& RawHeaders() { return FRawHeaders; }
    const TNetHeaderList& RawHeaders() const { return FRawHeaders; }
    TNetHeaderList& CustomHeaders() { return FCustomHeaders; }

protected:
    TNetHeaderList FRawHeaders;
    TNetHeaderList FCustomHeaders;
};

class TNetRequestHeaderInfo : public TNetEntityHeaderInfo {
    NET_HEADER_FIELD(std::string, Accept, "text/html, */*");
    NET_HEADER_FIELD(std::string, AcceptCharSet, {});
    NET_HEADER_FIELD(std::string, AcceptEncoding, {});
    NET_HEADER_FIELD(std::string, AcceptLanguage, {});
    NET_HEADER_FIELD(std::string, From, {});
    NET_HEADER_FIELD(std::string, Host, {});
    NET_HEADER_FIELD(std::string, MethodOverride, {});
    NET_HEADER_FIELD(std::string, Password, {});
    NET_HEADER_FIELD(std::string, Range, {});
    NET_HEADER_FIELD(std::string, Referer, {});
    NET_HEADER_FIELD(std::string, UserAgent, "Mozilla/3.0 (compatible; Telvora)");
    NET_HEADER_FIELD(std::string, Username, {});
    NET_HEADER_FIELD(bool, BasicAuthentication, false);

public:
    // Builds RawHeaders from the fields, each line only when its value is set,
    // in the order the request head carries them.
    void SetHeaders();
};

class TNetHTTPRequest : public TNetRequestHeaderInfo {
    NET_HEADER_FIELD(std::string, URL, {});
    NET_HEADER_FIELD(std::string, Method, {});

public:
    fw::TStream* Source() const { return FSource; }
    void SetSource(fw::TStream* source) { FSource = source; }

private:
    fw::TStream* FSource = nullptr;
};

class TNetResponseHeaderInfo : public TNetEntityHeaderInfo {
    NET_HEADER_FIELD(std::string, AcceptRanges, {});
    NET_HEADER_FIELD(std::string, Location, {});
    NET_HEADER_FIELD(std::string, Server, {});
    NET_HEADER_FIELD(std::vector<std::string>, WWWAuthenticate, {});
    NET_HEADER_FIELD(std::vector<std::string>, ProxyAuthenticate, {});

public:
    // Reads the fields from RawHeaders: Content-Type loses its charset parameter
    // into CharSet ("ISO-8859-1" for text types without one); Content-Length is a
    // number or -1.
    void ProcessHeaders();

private:
    void ProcessContentType();
    void ProcessContentRange();
};

enum class TNetHTTPProtocolVersion { pv1_0, pv1_1 };
FW_ENUM_NAMES(TNetHTTPProtocolVersion, "pv1_0", "pv1_1");

class TNetHTTPResponse : public TNetResponseHeaderInfo {
    NET_HEADER_FIELD(std::string, ResponseText, {});
    NET_HEADER_FIELD(bool, KeepAlive, false);

public:
    // The status line after its first space, up to the next, as a number; -1
    // when that is not one.
    int ResponseCode() const;
    // From the status line's version digits.
    TNetHTTPProtocolVersion ResponseVersion() const;

    fw::TStream* ContentStream() const { return FContentStream; }
    void SetContentStream(fw::TStream* stream) { FContentStream = stream; }
    // Header values declared by meta http-equiv elements of an HTML body.
    TNetHeaderList& MetaHTTPEquiv() { return FMetaHTTPEquiv; }

private:
    fw::TStream* FContentStream = nullptr;
    TNetHeaderList FMetaHTTPEquiv;
};

#undef NET_HEADER_FIELD
