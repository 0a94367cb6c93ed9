#include "xmltv/DocumentBytes.h"
#include "xmltv/NameText.h"
#include "xmltv/XmltvError.h"
#include "xmltv/XmltvGuide.h"
#include "xmltv/XmltvTime.h"

#include <climits>
#include <cstdint>
#include <exception>
#include <libxml/xmlreader.h>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace xmltv {

namespace {

using ReaderPtr = std::unique_ptr<xmlTextReader, decltype(&xmlFreeTextReader)>;

// Where the bytes come from, and the first failure met while libxml2 asked for
// them: libxml2 calls in from its own frames, which an exception must not unwind.
struct ReaderInput {
    DocumentBytes bytes;
    std::exception_ptr failure;
};

int ReadBlock(void* context, char* buffer, int length) {
    auto& input = *static_cast<ReaderInput*>(context);
    try {
        return static_cast<int>(input.bytes.Read(buffer, static_cast<std::size_t>(length)));
    } catch (...) {
        if (!input.failure) {
            input.failure = std::current_exception();
        }
        return -1;
    }
}

// The first error of the document, for the message when the reader stops at a
// fatal one.
void KeepFirstError(void* context, xmlErrorPtr error) noexcept {
    auto& first = *static_cast<std::string*>(context);
    if (error == nullptr || error->level < XML_ERR_ERROR || !first.empty()) {
        return;
    }
    try {
        first = "line " + std::to_string(error->line) + ": " +
                CollapsedBlanks(error->message != nullptr ? error->message : "not well-formed");
    } catch (...) {
    }
}

std::string_view View(const xmlChar* text) {
    return text != nullptr ? std::string_view(reinterpret_cast<const char*>(text))
                           : std::string_view();
}

bool IsChinese(std::string_view lang) {
    return lang.substr(0, 2) == "zh";
}

// One pass over the document's nodes, keeping what a schedule needs. Depth 0 is
// <tv>, depth 1 its channels and programmes, depth 2 their names and titles,
// depth 3 the text of those.
class GuideReader {
public:
    GuideReader(xmlTextReaderPtr reader, const SkipReport& skipped)
        : FReader(reader), FSkipped(skipped) {}

    void OnNode();
    XmltvGuide Finish();

private:
    enum class Element { None, Channel, Programme };
    enum class Text { None, DisplayName, Title };

    void OnElementStart(int depth);
    void OnElementEnd(int depth);
    void StartChannel();
    void EndChannel();
    void StartProgramme();
    void EndProgramme();
    void StartText(Text text);
    void EndText();
    void Skip(std::uint32_t line, std::string_view element, const std::string& reason);
    void AddProgramme(const std::string& channelId, const BroadcastTime& start,
                      std::string_view title);

    template <class F> void ForEachAttribute(F&& visit) {
        if (xmlTextReaderMoveToFirstAttribute(FReader) != 1) {
            return;
        }
        do {
            visit(View(xmlTextReaderConstLocalName(FReader)),
                  View(xmlTextReaderConstValue(FReader)));
        } while (xmlTextReaderMoveToNextAttribute(FReader) == 1);
        xmlTextReaderMoveToElement(FReader);
    }

    // The element's own line; the parser itself may be reading further on.
    std::uint32_t Line() const {
        const long line = xmlGetLineNo(xmlTextReaderCurrentNode(FReader));
        return line > 0 ? static_cast<std::uint32_t>(line) : 0;
    }

    xmlTextReaderPtr FReader;
    const SkipReport& FSkipped;

    Element FElement = Element::None;
    std::uint32_t FElementLine = 0;
    Text FText = Text::None;
    bool FTextChinese = false;
    std::string FTextBuffer;

    // The element being read.
    Channel FChannel;
    std::vector<std::string> FOtherNames;
    std::string FProgrammeChannel;
    std::string FProgrammeStart;
    bool FHasStart = false;
    std::optional<std::string> FTitle;
    std::optional<std::string> FChineseTitle;

    std::vector<Channel> FChannels;
    std::unordered_map<std::string, std::size_t> FChannelIndex;
    // The last channel a programme went to: a feed lists a channel's programmes
    // together, so most lookups end here.
    std::string FLastChannelId;
    std::size_t FLastChannel = 0;
    // Programmes whose channel has not been declared (yet).
    std::unordered_map<std::string, Channel> FPending;
};

void GuideReader::OnNode() {
    const int depth = xmlTextReaderDepth(FReader);
    switch (xmlTextReaderNodeType(FReader)) {
    case XML_READER_TYPE_ELEMENT:
        OnElementStart(depth);
        // An empty element has no end node of its own.
        if (xmlTextReaderIsEmptyElement(FReader) == 1) {
            OnElementEnd(depth);
        }
        break;
    case XML_READER_TYPE_END_ELEMENT:
        OnElementEnd(depth);
        break;
    case XML_READER_TYPE_TEXT:
    case XML_READER_TYPE_CDATA:
    case XML_READER_TYPE_WHITESPACE:
    case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
        if (FText != Text::None && depth == 3) {
            FTextBuffer += View(xmlTextReaderConstValue(FReader));
        }
        break;
    default:
        break;
    }
}

void GuideReader::OnElementStart(int depth) {
    const std::string_view name = View(xmlTextReaderConstLocalName(FReader));
    if (depth == 0) {
        if (name != "tv") {
            throw EXmltvError("not an XMLTV document: its root element is <" + std::string(name) +
                              ">, not <tv>");
        }
    } else if (depth == 1 && name == "channel") {
        StartChannel();
    } else if (depth == 1 && name == "programme") {
        StartProgramme();
    } else if (depth == 2 && FElement == Element::Channel && name == "display-name") {
        StartText(Text::DisplayName);
    } else if (depth == 2 && FElement == Element::Programme && name == "title") {
        StartText(Text::Title);
    }
}

void GuideReader::OnElementEnd(int depth) {
    if (depth == 2 && FText != Text::None) {
        EndText();
    } else if (depth == 1 && FElement == Element::Channel) {
        EndChannel();
    } else if (depth == 1 && FElement == Element::Programme) {
        EndProgramme();
    }
}

void GuideReader::StartChannel() {
    FElement = Element::Channel;
    FElementLine = Line();
    FChannel = Channel{};
    FOtherNames.clear();
    ForEachAttribute([this](std::string_view name, std::string_view value) {
        if (name == "id") {
            FChannel.id = CollapsedBlanks(value);
        }
    });
}

void GuideReader::EndChannel() {
    FElement = Element::None;
    if (FChannel.id.empty()) {
        Skip(FElementLine, "channel", "no id");
        return;
    }
    if (FChannelIndex.contains(FChannel.id)) {
        Skip(FElementLine, "channel", "id \"" + FChannel.id + "\" is declared already");
        return;
    }
    for (std::string& name : FOtherNames) {
        FChannel.displayNames.push_back(std::move(name));
    }
    FChannelIndex.emplace(FChannel.id, FChannels.size());
    FChannels.push_back(std::move(FChannel));
}

void GuideReader::StartProgramme() {
    FElement = Element::Programme;
    FElementLine = Line();
    FProgrammeChannel.clear();
    FProgrammeStart.clear();
    FHasStart = false;
    FTitle.reset();
    FChineseTitle.reset();
    ForEachAttribute([this](std::string_view name, std::string_view value) {
        if (name == "channel") {
            FProgrammeChannel = CollapsedBlanks(value);
        } else if (name == "start") {
            FProgrammeStart = value;
            FHasStart = true;
        }
    });
}

void GuideReader::EndProgramme() {
    FElement = Element::None;
    if (FProgrammeChannel.empty()) {
        Skip(FElementLine, "programme", "no channel");
        return;
    }
    const std::optional<BroadcastTime> start = ParseXmltvTime(FProgrammeStart);
    if (!start) {
        Skip(FElementLine, "programme",
             FHasStart
                 ? "start time \"" + CollapsedBlanks(FProgrammeStart) + "\" is not an XMLTV time"
                 : "no start time");
        return;
    }
    const std::optional<std::string>& title = FChineseTitle ? FChineseTitle : FTitle;
    if (!title) {
        Skip(FElementLine, "programme", "no title");
        return;
    }
    AddProgramme(FProgrammeChannel, *start, *title);
}

void GuideReader::StartText(Text text) {
    FText = text;
    FTextBuffer.clear();
    FTextChinese = false;
    ForEachAttribute([this](std::string_view name, std::string_view value) {
        if (name == "lang") {
            FTextChinese = IsChinese(value);
        }
    });
}

void GuideReader::EndText() {
    std::string text = CollapsedBlanks(FTextBuffer);
    const Text kind = FText;
    FText = Text::None;
    if (text.empty()) {
        return;
    }
    if (kind == Text::DisplayName) {
        (FTextChinese ? FChannel.displayNames : FOtherNames).push_back(std::move(text));
        return;
    }
    std::optional<std::string>& title = FTextChinese ? FChineseTitle : FTitle;
    if (!title) {
        title = std::move(text);
    }
}

void GuideReader::AddProgramme(const std::string& channelId, const BroadcastTime& start,
                               std::string_view title) {
    if (channelId != FLastChannelId || FChannels.empty()) {
        const auto found = FChannelIndex.find(channelId);
        if (found == FChannelIndex.end()) {
            FPending[channelId].AddProgramme(start.utcSeconds, start.offsetMinutes, FElementLine,
                                             title);
            return;
        }
        FLastChannelId = channelId;
        FLastChannel = found->second;
    }
    FChannels[FLastChannel].AddProgramme(start.utcSeconds, start.offsetMinutes, FElementLine,
                                         title);
}

void GuideReader::Skip(std::uint32_t line, std::string_view element, const std::string& reason) {
    if (FSkipped) {
        FSkipped("line " + std::to_string(line) + ": " + std::string(element) +
                 " skipped: " + reason);
    }
}

// Programmes listed before their channel join it now; those of a channel never
// declared are left out.
XmltvGuide GuideReader::Finish() {
    for (auto& [channelId, pending] : FPending) {
        const auto found = FChannelIndex.find(channelId);
        if (found != FChannelIndex.end()) {
            FChannels[found->second].TakeProgrammes(pending);
            continue;
        }
        for (const Programme& programme : pending.programmes) {
            Skip(programme.line, "programme", "no channel \"" + channelId + "\" in the document");
        }
    }
    FPending.clear();
    return XmltvGuide{std::move(FChannels)};
}

} // namespace

void Channel::AddProgramme(std::int64_t start, std::int32_t offsetMinutes, std::uint32_t line,
                           std::string_view title) {
    if (titles.size() + title.size() > UINT32_MAX) {
        throw EXmltvError("channel \"" + id + "\" has more programme titles than can be kept");
    }
    programmes.push_back(Programme{start, offsetMinutes, line,
                                   static_cast<std::uint32_t>(titles.size()),
                                   static_cast<std::uint32_t>(title.size())});
    titles += title;
}

void Channel::TakeProgrammes(Channel& other) {
    programmes.reserve(programmes.size() + other.programmes.size());
    for (const Programme& programme : other.programmes) {
        AddProgramme(programme.start, programme.offsetMinutes, programme.line,
                     other.Title(programme));
    }
    other.programmes.clear();
    other.titles.clear();
}

XmltvGuide ReadXmltv(fw::TStream& document, const SkipReport& skipped) {
    ReaderInput input{DocumentBytes(document), nullptr};
    // No network, no external DTD, no entity substitution: a document is read
    // as it stands.
    ReaderPtr reader(xmlReaderForIO(ReadBlock, nullptr, &input, nullptr, nullptr,
                                    XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR |
                                        XML_PARSE_COMPACT | XML_PARSE_BIG_LINES |
                                        XML_PARSE_NOBLANKS),
                     &xmlFreeTextReader);
    if (!reader) {
        throw EXmltvError("cannot start the XML reader");
    }
    std::string firstError;
    xmlTextReaderSetStructuredErrorHandler(reader.get(), KeepFirstError, &firstError);
    GuideReader guide(reader.get(), skipped);
    int result = 0;
    while ((result = xmlTextReaderRead(reader.get())) == 1) {
        guide.OnNode();
    }
    if (input.failure) {
        std::rethrow_exception(input.failure);
    }
    if (result != 0) {
        throw EXmltvError("the document is not well-formed XML: " +
                          (firstError.empty() ? std::string("it ends too early") : firstError));
    }
    return guide.Finish();
}

} // namespace xmltv
