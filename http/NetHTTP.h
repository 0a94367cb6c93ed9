#pragma once
// The HTTP/1.1 client component: GET of one resource into a stream, following
// redirects, keeping the connection alive where the reply allows, with cookies.

#include "framework/EnumInfo.h"
#include "framework/Set.h"
#include "http/NetException.h"
#include "http/NetHTTPHeaderInfo.h"
#include "http/NetTCPClient.h"
#include "http/NetURI.h"

#include <functional>
#include <memory>
#include <span>
#include <string>

class TNetCookieManager;
class TNetHTTPProtocol;

class ENetReplyError : public ENetException {
public:
    using ENetException::ENetException;
};

class ENetReplyRFCError : public ENetReplyError {
public:
    using ENetReplyError::ENetReplyError;
};

// The most of an error reply's body that its exception keeps.
constexpr std::size_t kMaxErrorBodyBytes = 64 * 1024;

// A reply the client does not accept. Message: the status line as received.
class ENetHTTPProtocolException : public ENetReplyRFCError {
public:
    ENetHTTPProtocolException(int AErrorCode, std::string AStatusLine, std::string AErrorMessage)
        : ENetReplyRFCError(std::move(AStatusLine)), FErrorCode(AErrorCode),
          FErrorMessage(std::move(AErrorMessage)) {}

    int ErrorCode() const noexcept { return FErrorCode; }
    // The reply body (its first kMaxErrorBodyBytes) decoded as text in the reply's
    // charset.
    const std::string& ErrorMessage() const noexcept { return FErrorMessage; }

private:
    int FErrorCode;
    std::string FErrorMessage;
};

enum class TNetHTTPOption { hoInProcessAuth, hoKeepOrigProtocol, hoForceEncodeParams };
FW_ENUM_NAMES(TNetHTTPOption, "hoInProcessAuth", "hoKeepOrigProtocol", "hoForceEncodeParams");
using TNetHTTPOptions = fw::TSet<TNetHTTPOption>;

// May change whether a redirect is followed, where to and with which method.
using TNetHTTPRedirectEvent = std::function<void(
    fw::TObject* Sender, std::string& dest, int& NumRedirect, bool& Handled, std::string& VMethod)>;

class TNetCustomHTTP : public TNetTCPClientCustom {
public:
    explicit TNetCustomHTTP(fw::TComponent* AOwner);
    ~TNetCustomHTTP() override;

    // Downloads AURL into AResponseContent from its position; raises on a reply
    // that is not accepted and on transport failures.
    void Get(const std::string& AURL, fw::TStream& AResponseContent);

    int ResponseCode() const { return FResponse.ResponseCode(); }
    const std::string& ResponseText() const { return FResponse.ResponseText(); }
    TNetHTTPRequest& Request() { return FRequest; }
    TNetHTTPResponse& Response() { return FResponse; }
    const TNetURI& URL() const { return FURL; }

    bool HandleRedirects() const { return FHandleRedirects; }
    void SetHandleRedirects(bool value) { FHandleRedirects = value; }
    int RedirectMaximum() const { return FRedirectMaximum; }
    void SetRedirectMaximum(int value) { FRedirectMaximum = value; }
    int RedirectCount() const { return FRedirectCount; }
    bool AllowCookies() const { return FAllowCookies; }
    void SetAllowCookies(bool value) { FAllowCookies = value; }
    TNetHTTPProtocolVersion ProtocolVersion() const { return FProtocolVersion; }
    void SetProtocolVersion(TNetHTTPProtocolVersion value) { FProtocolVersion = value; }
    const TNetHTTPOptions& HTTPOptions() const { return FHTTPOptions; }
    void SetHTTPOptions(TNetHTTPOptions value) { FHTTPOptions = std::move(value); }
    int MaxAuthRetries() const { return FMaxAuthRetries; }
    void SetMaxAuthRetries(int value) { FMaxAuthRetries = value; }
    int MaxHeaderLines() const { return FMaxHeaderLines; }
    void SetMaxHeaderLines(int value) { FMaxHeaderLines = value; }
    int AuthRetries() const { return FAuthRetries; }
    int AuthProxyRetries() const { return FAuthProxyRetries; }
    // The cookie store, made at the first reply when AllowCookies is set.
    TNetCookieManager* CookieManager() const { return FCookieManager.get(); }

    const TNetHTTPRedirectEvent& OnRedirect() const { return FOnRedirect; }
    void SetOnRedirect(TNetHTTPRedirectEvent handler) { FOnRedirect = std::move(handler); }

protected:
    void DoRequest(const std::string& AMethod, const std::string& AURL,
                   fw::TStream* AResponseContent, std::span<const int> AIgnoreReplies);

private:
    friend class TNetHTTPProtocol;

    void PrepareRequest();
    // Whether the request goes on a connection kept from an earlier one.
    bool ConnectToHost();
    // Sends the request head and reads the reply's head.
    void ExchangeHeads(TNetHTTPProtocol& AProtocol, bool AReusedConnection);
    void SendRequestHead();
    // Takes the cookies of a reply's headers (or of a page's declarations) in.
    void ProcessCookies(const TNetHeaderList& AHeaders);
    void AddCookieLines();
    // Whether the connection may stay open after the reply just read.
    void DecideKeepAlive();
    void RestartFrom(fw::TStream* AResponseContent, std::int64_t APosition);

    TNetHTTPRequest FRequest;
    TNetHTTPResponse FResponse;
    TNetURI FURL;
    fw::TComponentPtr<TNetCookieManager> FCookieManager;
    bool FHandleRedirects = false;
    int FRedirectMaximum = 15;
    int FRedirectCount = 0;
    bool FAllowCookies = true;
    TNetHTTPProtocolVersion FProtocolVersion = TNetHTTPProtocolVersion::pv1_1;
    TNetHTTPOptions FHTTPOptions{TNetHTTPOption::hoForceEncodeParams};
    int FMaxAuthRetries = 3;
    int FMaxHeaderLines = 255;
    int FAuthRetries = 0;
    int FAuthProxyRetries = 0;
    TNetHTTPRedirectEvent FOnRedirect;
};

// The published component, as a form definition names it.
class TNetHTTP : public TNetCustomHTTP {
    FW_CLASS(TNetHTTP, TNetCustomHTTP)
    using TNetCustomHTTP::TNetCustomHTTP;
};
