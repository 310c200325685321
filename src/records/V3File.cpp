#include "records/V3File.h"

#include <climits>
#include <cstring>

#include "base/AppState.h"
#include "base/Layout.h"
#include "platform/Text1252.h"
#include "records/Datum.h"
#include "records/RecordText.h"

namespace v3 {
namespace {

constexpr std::string_view kSect = "%SECT%";
constexpr std::string_view kEndSect = "%ENDSECT%";
constexpr size_t kMaxReason = 512;

// Text-mode reading: every CR LF pair arrives as LF; a lone CR stays.
std::string TextModeRead(std::string raw) {
    size_t out = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        raw[out++] = raw[i];
    }
    raw.resize(out);
    return raw;
}

// The text of a value line: without its LF, and ending at a NUL byte as the
// line buffer of a C string would.
std::string_view LineText(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    size_t nul = line.find('\0');
    if (nul != std::string_view::npos) line = line.substr(0, nul);
    return line;
}

}  // namespace

int32_t ParseLeadingInt(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    int64_t v = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        v = v * 10 + (t[i] - '0');
        if (v > int64_t(INT32_MAX) + 1) v = int64_t(INT32_MAX) + 1;  // held at the limit
    }
    if (negative) return v > INT32_MAX ? INT32_MIN : int32_t(-v);
    return v > INT32_MAX ? INT32_MAX : int32_t(v);
}

CV3File::CV3File() = default;

CV3File::~CV3File() {
    if (isOpen) Close();
}

int CV3File::Open(const std::string& fileName, unsigned openFlags, FileException* error) {
    if (isOpen) Close();
    content.clear();
    content.shrink_to_fit();
    cursor = 0;
    atEnd_ = false;
    writeFailed_ = false;
    wroteLine_ = false;
    reported_ = false;
    mendedLines_ = 0;
    fileName_ = fileName;
    hostPath_ = HostOrAbsolutePath(fileName);
    auto fail = [&](const std::string& reason) {
        if (error) *error = {fileName, reason};
        return 0;
    };
    switch (openFlags & 3u) {
    case modeRead: {
        readMode = true;
        std::string raw, reason;
        if (!ReadWholeFile(hostPath_, raw, &reason)) return fail(reason);
        content = TextModeRead(std::move(raw));
        break;
    }
    case modeWrite: {
        readMode = false;
        std::string reason;
        if (!out_.Open(hostPath_, &reason)) return fail(reason);
        break;
    }
    default:
        return fail("Lesen und Schreiben zugleich wird nicht unterstützt");
    }
    isOpen = true;
    return 1;
}

bool CV3File::Close() {
    bool ok = true;
    if (isOpen && !readMode) {
        if (!sectionStack.empty()) EndSection(-1);
        std::string reason;
        if (writeFailed_) {
            out_.Discard();
            ok = false;
        } else if (!out_.Commit(&reason)) {
            ReportException(reason);
            ok = false;
        } else if (mendedLines_ > 0) {
            // Saved, but not as given: the caller can tell by MendedLines, the user by this.
            App().ui->MessageBox("Werte mit Zeilenumbruch oder Nullzeichen in der Datei " +
                                     Cp1252ToUtf8(fileName_) + ": " + std::to_string(mendedLines_) +
                                     ". Diese Zeichen wurden als Leerzeichen gespeichert.",
                                 kProgrammTitel, MsgButtons::Ok, MsgIcon::Warning);
        }
    }
    content.clear();
    content.shrink_to_fit();
    cursor = 0;
    atEnd_ = false;
    isOpen = false;
    return ok;
}

void CV3File::Discard() {
    if (isOpen && !readMode) {
        out_.Discard();
        writeFailed_ = true;  // nothing may be committed any more
        sectionStack.clear();
    }
    Close();
}

void CV3File::SeekToBegin() {
    cursor = 0;
    atEnd_ = false;
}

bool CV3File::AtStart() const { return readMode ? cursor == 0 && !atEnd_ : !wroteLine_; }

bool CV3File::NextRawLine(std::string_view& line) {
    if (!isOpen || !readMode || atEnd_ || cursor >= content.size()) {
        atEnd_ = true;
        return false;
    }
    size_t lf = content.find('\n', cursor);
    size_t end = lf == std::string::npos ? content.size() : lf + 1;
    line = std::string_view(content).substr(cursor, end - cursor);
    cursor = end;
    if (cursor >= content.size()) atEnd_ = true;
    return true;
}

char* CV3File::ReadString(char* buf, unsigned size) {
    if (size == 0 || !buf) return nullptr;
    buf[0] = '\0';
    if (!isOpen || !readMode || atEnd_ || cursor >= content.size()) {
        atEnd_ = true;
        return nullptr;
    }
    size_t n = 0;
    while (n + 1 < size && cursor < content.size()) {
        char c = content[cursor++];
        buf[n++] = c;
        if (c == '\n') break;
    }
    buf[n] = '\0';
    if (cursor >= content.size()) atEnd_ = true;
    return buf;
}

int CV3File::ReadString(std::string& line) {
    line.clear();
    std::string_view raw;
    if (!NextRawLine(raw)) return 0;
    if (!raw.empty() && raw.back() == '\n') raw.remove_suffix(1);
    line.assign(raw);
    return 1;
}

void CV3File::ReportException(const std::string& reason) const {
    std::string r = reason.size() > kMaxReason ? reason.substr(0, kMaxReason) : reason;
    App().ui->MessageBox("Exception aufgetreten. Datei: " + Cp1252ToUtf8(fileName_) + " Grund: " + r,
                         kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
}

bool CV3File::WriteLineQuiet(std::string_view text) {
    if (!isOpen || readMode || writeFailed_) return false;
    const auto& fault = App().failWritesTo;
    if (fault && fault(hostPath_)) {
        writeFailed_ = true;
        return false;
    }
    std::string line;
    line.reserve(text.size() + 2);
    line.append(text);
    // A line end or NUL inside the value would end its line early and shift
    // every later value of the file: such a character is written as a blank.
    if (!IsRecordText(line)) {
        for (char& c : line)
            if (kNotInRecordText.find(c) != std::string_view::npos) c = ' ';
        ++mendedLines_;
    }
    line.append("\r\n");
    if (!out_.Write(line.data(), line.size())) {
        writeFailed_ = true;
        return false;
    }
    wroteLine_ = true;
    return true;
}

bool CV3File::WriteLine(std::string_view text) {
    if (WriteLineQuiet(text)) return true;
    // A file that failed once is reported once, not for every following line.
    if (reported_) return false;
    reported_ = true;
    std::string reason = !isOpen ? "Datei nicht geöffnet"
                         : readMode ? "Datei nur zum Lesen geöffnet"
                         : !out_.LastError().empty() ? out_.LastError()
                                                     : "Schreibfehler (Datenträger voll?)";
    ReportException(reason);
    return false;
}

bool CV3File::NewSection(const std::string& name) {
    if (!WriteLine(std::string(kSect) + name)) return false;
    sectionStack.push_back(name);
    return true;
}

bool CV3File::EndSection(int count) {
    if (sectionStack.empty() && count != -1) return false;
    bool ok = true;
    for (int closed = 0; !sectionStack.empty() && (count == -1 || closed < count); ++closed) {
        std::string name = std::move(sectionStack.back());
        sectionStack.pop_back();
        if (readMode) {
            std::string_view ignored;
            NextRawLine(ignored);  // taken to be the end marker, not inspected
        } else if (!WriteLine(std::string(kEndSect) + name)) {
            ok = false;
        }
    }
    return ok;
}

bool CV3File::FindSection(const std::string& name) {
    const std::string wanted = std::string(kSect) + name;
    for (int pass = 0; pass < 2; ++pass) {
        std::string_view raw;
        while (NextRawLine(raw)) {
            if (!raw.empty() && raw.back() == '\n') raw.remove_suffix(1);
            if (raw == wanted) {
                sectionStack.push_back(name);
                return true;
            }
        }
        SeekToBegin();
    }
    return false;
}

bool CV3File::ReadValue(std::string_view& text) {
    if (sectionStack.empty()) return false;
    std::string_view raw;
    if (!NextRawLine(raw)) return false;
    // A bare marker without its line end can only be the file's last line.
    if (raw == kSect || raw == kEndSect) {
        EndSection(1);
        return false;
    }
    // Only the line end is dropped: a last line without LF keeps its last character.
    text = LineText(raw);
    return true;
}

bool CV3File::GetInt(int& value) {
    std::string_view t;
    if (!ReadValue(t)) return false;
    value = ParseLeadingInt(t);
    return true;
}

bool CV3File::GetByte(uint8_t& value) {
    std::string_view t;
    if (!ReadValue(t)) return false;
    value = uint8_t(uint32_t(ParseLeadingInt(t)) & 0xFFu);
    return true;
}

bool CV3File::GetULng(uint32_t& value) {
    std::string_view t;
    if (!ReadValue(t)) return false;
    value = uint32_t(ParseLeadingInt(t));
    return true;
}

bool CV3File::GetStr(std::string& value) {
    value.clear();
    std::string_view t;
    if (!ReadValue(t)) return false;
    value.assign(t);
    return true;
}

bool CV3File::GetStrArray(char* target, size_t capacity, int length) {
    target[0] = '\0';
    std::string_view t;
    if (!ReadValue(t)) return false;
    if (length == 0) return true;
    if (length < 0) {
        size_t n = std::min(t.size(), capacity - 1);
        std::memcpy(target, t.data(), n);
        target[n] = '\0';
        return true;
    }
    // Like strncpy followed by a NUL at index length, kept inside the array.
    size_t limit = std::min(size_t(length), capacity - 1);
    size_t n = std::min(t.size(), limit);
    std::memcpy(target, t.data(), n);
    std::memset(target + n, 0, limit + 1 - n);
    return true;
}

bool CV3File::GetDatum(CDatum& value) { return value.Laden(*this) != 0; }

long CV3File::GetID(int32_t& value) {
    std::string_view raw;
    if (!NextRawLine(raw)) return 0;
    value = ParseLeadingInt(LineText(raw));
    return value;
}

bool CV3File::PutInt(int value) {
    if (sectionStack.empty()) return false;
    return WriteLine(std::to_string(value));
}

bool CV3File::PutLng(int32_t value) { return PutInt(value); }

bool CV3File::PutStr(const std::string& value) {
    if (sectionStack.empty()) return false;
    return WriteLine(value);
}

bool CV3File::PutID(int32_t value) { return WriteLine(std::to_string(value)); }

bool CV3File::PutDatum(CDatum value) { return value.Speichern(*this) != 0; }

int GetInt(CV3File& file) { return GetLng(file); }

int32_t GetLng(CV3File& file) {
    std::string line;
    file.ReadString(line);
    return ParseLeadingInt(LineText(line));
}

std::string GetStr(CV3File& file) {
    std::string line;
    file.ReadString(line);
    return std::string(LineText(line));
}

int GetStr(CV3File& file, std::string& line) {
    if (!file.ReadString(line)) return 0;
    line = std::string(LineText(line));
    return 1;
}

int PutStr(CV3File& file, const std::string& text) {
    if (file.WriteLineQuiet(text)) return 1;
    App().ui->MessageBox("Eine FileException ist beim Schreiben der Datei " + Cp1252ToUtf8(file.FileName()) +
                             " aufgetreten! Auf die Datei konnte nicht zugegriffen werden.",
                         kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
    return 0;
}

}  // namespace v3
