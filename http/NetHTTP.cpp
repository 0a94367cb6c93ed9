#include "http/NetHTTP.h"

#include "framework/ClassBuilder.h"
#include "http/NetCookieManager.h"
#include "http/NetHTTPProtocol.h"
#include "http/NetText.h"

namespace {

// The port as a number. A port that is not one of 1-65535 is refused rather
// than replaced by another, so a request never reaches a server it was not meant for.
std::uint16_t PortNumber(const std::string& text) {
    std::optional<std::int64_t> value = ParseInt64(text);
    if (!value || *value < 1 || *value > 65535) {
        throw ENetException("Invalid port number: " + text);
    }
    return static_cast<std::uint16_t>(*value);
}

const char* VersionText(TNetHTTPProtocolVersion version) {
    return version == TNetHTTPProtocolVersion::pv1_0 ? "1.0" : "1.1";
}

} // namespace

TNetCustomHTTP::TNetCustomHTTP(fw::TComponent* AOwner) : TNetTCPClientCustom(AOwner) {}

TNetCustomHTTP::~TNetCustomHTTP() {
    Disconnect();
}

void TNetCustomHTTP::Get(const std::string& AURL, fw::TStream& AResponseContent) {
    DoRequest("GET", AURL, &AResponseContent, {});
}

void TNetCustomHTTP::DoRequest(const std::string& AMethod, const std::string& AURL,
                               fw::TStream* AResponseContent, std::span<const int> AIgnoreReplies) {
    FRedirectCount = 0;
    FAuthRetries = 0;
    FAuthProxyRetries = 0;
    const std::int64_t startPosition = AResponseContent ? AResponseContent->Position() : 0;
    FRequest.SetURL(AURL);
    FRequest.SetMethod(AMethod);
    FRequest.SetSource(nullptr);
    FResponse.SetContentStream(AResponseContent);
    try {
        TNetHTTPProtocol protocol(*this);
        for (;;) {
            PrepareRequest();
            const bool reused = ConnectToHost();
            ExchangeHeads(protocol, reused);
            if (protocol.ProcessResponse(AIgnoreReplies) != TNetHTTPWhatsNext::wnGoToURL) {
                break;
            }
            RestartFrom(AResponseContent, startPosition);
        }
    } catch (const ENetHTTPProtocolException&) {
        // The error reply was read whole, so its keep-alive decision stands.
        if (!FResponse.KeepAlive()) {
            Disconnect();
        }
        throw;
    } catch (...) {
        // A transfer cut off midway leaves unread bytes behind: never reuse it.
        FResponse.SetKeepAlive(false);
        Disconnect();
        throw;
    }
    if (!FResponse.KeepAlive()) {
        Disconnect();
    }
}

void TNetCustomHTTP::RestartFrom(fw::TStream* AResponseContent, std::int64_t APosition) {
    if (AResponseContent != nullptr) {
        AResponseContent->SetPosition(APosition);
        AResponseContent->SetSize(APosition);
    }
    FAuthRetries = 0;
    FAuthProxyRetries = 0;
}

void TNetCustomHTTP::PrepareRequest() {
    TNetURI target(FRequest.URL());
    FURL.SetPath(TNetURI::ProcessPath(FURL.Path(), target.Path()));
    FURL.SetDocument(target.Document());
    FURL.SetParams(target.Params());
    if (!target.Host().empty()) {
        FURL.SetHost(target.Host());
        FURL.SetIPVersion(target.IPVersion());
    }
    if (!target.Protocol().empty()) {
        FURL.SetProtocol(target.Protocol());
    } else if (!TextIsSame(FURL.Protocol(), "https")) {
        FURL.SetProtocol("http");
    }
    if (!target.Port().empty()) {
        FURL.SetPort(target.Port());
    } else if (TextIsSame(target.Protocol(), "http")) {
        FURL.SetPort("80");
    } else if (TextIsSame(target.Protocol(), "https")) {
        FURL.SetPort("443");
    } else if (FURL.Port().empty()) {
        throw ENetUnknownProtocol();
    }
    std::string requestTarget = FURL.Path() + FURL.Document();
    if (!FURL.Params().empty()) {
        requestTarget += "?" + FURL.Params();
    }
    FRequest.SetURL(TNetURI::EncodeTarget(requestTarget));
    FRequest.SetContentLength(-1);
    bool defaultPort = (TextIsSame(FURL.Protocol(), "http") && FURL.Port() == "80") ||
                       (TextIsSame(FURL.Protocol(), "https") && FURL.Port() == "443");
    // An IPv6 literal keeps its brackets, or its colons would read as a port.
    std::string host =
        FURL.IPVersion() == TNetIPVersion::Id_IPv6 ? "[" + FURL.Host() + "]" : FURL.Host();
    FRequest.SetHost(defaultPort ? host : host + ":" + FURL.Port());
}

bool TNetCustomHTTP::ConnectToHost() {
    std::uint16_t port = PortNumber(FURL.Port());
    if (Connected() && Socket() != nullptr && Socket()->IPVersion() != FURL.IPVersion()) {
        Disconnect();
    }
    if (!TextIsSame(Host(), FURL.Host()) || Port() != port) {
        Disconnect();
    }
    if (TextIsSame(FURL.Protocol(), "https")) {
        throw ENetIOHandlerPropInvalid();
    }
    SetHost(FURL.Host());
    SetPort(port);
    SetIPVersion(FURL.IPVersion());
    if (!FResponse.KeepAlive()) {
        Disconnect();
    }
    if (IOHandler() != nullptr) {
        IOHandler()->InputBuffer().Clear();
        // A kept connection the server closed, or one with bytes nobody asked for,
        // cannot carry the next request.
        if (Connected() && IOHandler()->CheckForDataOnSource(0)) {
            IOHandler()->InputBuffer().Clear();
            Disconnect();
        }
    }
    CheckForGracefulDisconnect(false);
    const bool reused = Connected();
    if (!reused) {
        Disconnect();
        Connect();
    }
    if (FProtocolVersion == TNetHTTPProtocolVersion::pv1_0 && FRequest.Connection().empty()) {
        FRequest.SetConnection("keep-alive");
    }
    if (TextPos("identity", FRequest.AcceptEncoding()) == std::string::npos) {
        FRequest.SetAcceptEncoding(FRequest.AcceptEncoding().empty()
                                       ? std::string("identity")
                                       : FRequest.AcceptEncoding() + ", identity");
    }
    return reused;
}

// A server may close a kept connection just as the request goes out, and no
// check beforehand can rule that out: a request on a reused connection that
// fails before any byte of the reply arrived goes once more on a new one.
void TNetCustomHTTP::ExchangeHeads(TNetHTTPProtocol& AProtocol, bool AReusedConnection) {
    if (AReusedConnection) {
        const std::uint64_t received = IOHandler()->BytesReceived();
        try {
            SendRequestHead();
            AProtocol.ReadResponse();
            return;
        } catch (const ENetException& e) {
            bool closedUnderUs = dynamic_cast<const ENetSocketError*>(&e) != nullptr ||
                                 dynamic_cast<const ENetConnClosedGracefully*>(&e) != nullptr;
            if (!closedUnderUs || IOHandler()->BytesReceived() != received) {
                throw;
            }
        }
        Disconnect();
        Connect();
    }
    SendRequestHead();
    AProtocol.ReadResponse();
}

void TNetCustomHTTP::SendRequestHead() {
    FRequest.SetHeaders();
    AddCookieLines();
    TNetIOHandler& io = *IOHandler();
    io.WriteBufferOpen(-1);
    try {
        io.WriteLn(FRequest.Method() + " " + FRequest.URL() + " HTTP/" +
                   VersionText(FProtocolVersion));
        for (const std::string& line : FRequest.RawHeaders().Lines()) {
            if (!line.empty()) {
                io.WriteLn(line);
            }
        }
        io.WriteLn("");
        io.WriteBufferClose();
    } catch (...) {
        io.WriteBufferCancel();
        throw;
    }
}

void TNetCustomHTTP::ProcessCookies(const TNetHeaderList& AHeaders) {
    if (FCookieManager == nullptr && FAllowCookies) {
        FCookieManager = fw::MakeComponent<TNetCookieManager>();
    }
    if (FCookieManager == nullptr) {
        return;
    }
    FCookieManager->AddServerCookies(AHeaders, FURL);
}

void TNetCustomHTTP::AddCookieLines() {
    if (FCookieManager != nullptr) {
        FCookieManager->GenerateClientCookies(FURL, TextIsSame(FURL.Protocol(), "https"),
                                              FRequest.RawHeaders());
    }
}

void TNetCustomHTTP::DecideKeepAlive() {
    if (IOHandler() != nullptr && Connected()) {
        IOHandler()->CheckForDisconnect(false);
    }
    bool alive = Connected();
    if (alive) {
        std::string_view connection = Trim(FResponse.Connection());
        std::string_view proxyConnection = Trim(FResponse.ProxyConnection());
        if (FProtocolVersion == TNetHTTPProtocolVersion::pv1_1) {
            alive = !TextIsSame(connection, "CLOSE") && !TextIsSame(proxyConnection, "CLOSE");
        } else {
            alive =
                TextIsSame(connection, "KEEP-ALIVE") || TextIsSame(proxyConnection, "KEEP-ALIVE");
        }
    }
    FResponse.SetKeepAlive(alive);
}

const fw::TClassInfo& TNetHTTP::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TNetHTTP, TNetCustomHTTP>("TNetHTTP")
            .Property("AllowCookies", &TNetHTTP::AllowCookies, &TNetHTTP::SetAllowCookies)
            .Property("ConnectTimeout", &TNetHTTP::ConnectTimeout, &TNetHTTP::SetConnectTimeout)
            .Property("HandleRedirects", &TNetHTTP::HandleRedirects, &TNetHTTP::SetHandleRedirects)
            .Property("HTTPOptions", &TNetHTTP::HTTPOptions, &TNetHTTP::SetHTTPOptions)
            .Property("MaxAuthRetries", &TNetHTTP::MaxAuthRetries, &TNetHTTP::SetMaxAuthRetries)
            .Property("MaxHeaderLines", &TNetHTTP::MaxHeaderLines, &TNetHTTP::SetMaxHeaderLines)
            .Property("ProtocolVersion", &TNetHTTP::ProtocolVersion, &TNetHTTP::SetProtocolVersion)
            .Property("ReadTimeout", &TNetHTTP::ReadTimeout, &TNetHTTP::SetReadTimeout)
            .Property("RedirectMaximum", &TNetHTTP::RedirectMaximum, &TNetHTTP::SetRedirectMaximum)
            .Property("OnWorkBegin", &TNetHTTP::OnWorkBegin, &TNetHTTP::SetOnWorkBegin)
            .Property("OnWork", &TNetHTTP::OnWork, &TNetHTTP::SetOnWork)
            .Property("OnWorkEnd", &TNetHTTP::OnWorkEnd, &TNetHTTP::SetOnWorkEnd)
            .Property("OnRedirect", &TNetHTTP::OnRedirect, &TNetHTTP::SetOnRedirect)
            .Build();
    return info;
}
