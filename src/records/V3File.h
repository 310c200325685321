#pragma once
// The sectioned record file: a line-oriented text file (code page 1252, CR LF
// written, CR LF or LF read) in which every value stands on a line of its own
// and records are framed by "%SECT%name" and "%ENDSECT%name" marker lines.
// A value never spans lines: a CR, LF or NUL inside a written value is written
// as a blank (see MendedLines).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileOps.h"

namespace v3 {

class CDatum;

// First line of every data-set file.
inline constexpr int32_t kFileID = 17373592;

// Reason of a failed Open, as the platform's file-exception record would carry it.
struct FileException {
    std::string fileName;
    std::string reason;
};

class CV3File {
public:
    // Open flags; the low two bits select the access.
    static constexpr unsigned modeRead = 0x0000;
    static constexpr unsigned modeWrite = 0x0001;
    static constexpr unsigned modeReadWrite = 0x0002;
    static constexpr unsigned modeCreate = 0x1000;
    static constexpr unsigned typeText = 0x4000;

    CV3File();
    virtual ~CV3File();
    CV3File(const CV3File&) = delete;
    CV3File& operator=(const CV3File&) = delete;

    // fileName is a stored path (".\DATA.V3\Kleinig.sav"), mapped onto the
    // installation directory, or an absolute host path beginning with '/'.
    // Reading loads the whole file into memory. Writing goes to a temporary file
    // that Close renames over the target. Read-write access is refused. Returns
    // non-zero on success.
    virtual int Open(const std::string& fileName, unsigned openFlags, FileException* error = nullptr);
    // Writing: closes the sections still open, then makes the file take the place
    // of the old one. Returns false when something written did not reach the disk
    // (the old file is then left as it was). When lines were mended (MendedLines),
    // the committed file is reported with a warning naming their number.
    virtual bool Close();
    // Writing: drops everything written since Open and leaves the old file as it
    // was; reading: the same as Close.
    void Discard();
    void SeekToBegin();
    // Reading: no line has been taken since Open or SeekToBegin. Writing:
    // nothing has been written since Open.
    bool AtStart() const;

    // Copies the next line, its LF included, into buf: at most size - 1 bytes,
    // always NUL-terminated. Returns null at the end of the data or with size 0.
    virtual char* ReadString(char* buf, unsigned size);
    // Reads a whole line of any length without its LF; 0 at the end of the data.
    virtual int ReadString(std::string& line);

    bool NewSection(const std::string& name);
    bool EndSection(int count);
    bool FindSection(const std::string& name);

    bool GetInt(int& value);
    bool GetByte(uint8_t& value);
    bool GetULng(uint32_t& value);
    bool GetStr(std::string& value);
    // Character-array target: length 0 copies nothing, -1 the whole text (as far
    // as the array holds it), any other length at most that many characters with
    // a NUL at index length. The array must hold length + 1 bytes.
    template <size_t N>
    bool GetStr(char (&target)[N], int length) {
        static_assert(N > 0);
        return GetStrArray(target, N, length);
    }
    bool GetStrArray(char* target, size_t capacity, int length);
    bool GetDatum(CDatum& value);
    long GetID(int32_t& value);

    bool PutInt(int value);
    bool PutLng(int32_t value);
    bool PutStr(const std::string& value);
    bool PutID(int32_t value);
    bool PutDatum(CDatum value);

    // Writes one line and its CR LF whatever the section stack holds; reports a
    // failure with the file-exception message. Used by the date and the plain
    // line functions.
    bool WriteLine(std::string_view text);
    // Writes one line without any message; false when it failed. Every CR, LF
    // and NUL in text is written as a blank, so the line stays one line.
    bool WriteLineQuiet(std::string_view text);
    // Lines written since Open that held a CR, LF or NUL and were mended.
    int MendedLines() const { return mendedLines_; }

    bool IsOpen() const { return isOpen; }
    bool IsReadMode() const { return readMode; }
    const std::string& FileName() const { return fileName_; }
    const std::vector<std::string>& SectionStack() const { return sectionStack; }
    // Shows "Exception aufgetreten. Datei: %s Grund: %s" for this file.
    void ReportException(const std::string& reason) const;

private:
    // Reads the next value line as the value operations do; false when there is
    // none (steps 1 to 3 of a value read), the line's text otherwise.
    bool ReadValue(std::string_view& text);
    // Next raw line from content, LF included when there is one.
    bool NextRawLine(std::string_view& line);

    bool isOpen = false;
    bool readMode = true;
    std::vector<std::string> sectionStack;
    std::string content;
    size_t cursor = 0;
    bool atEnd_ = false;  // cursor moved beyond the end of content
    std::string fileName_;
    std::filesystem::path hostPath_;
    AtomicFile out_;
    bool writeFailed_ = false;
    bool wroteLine_ = false;
    bool reported_ = false;
    int mendedLines_ = 0;
};

// Converts a number line as the record file does: leading white space, an
// optional sign, then decimal digits up to the first other character; no
// digits give 0; values beyond 32 bits are held at the nearest limit.
int32_t ParseLeadingInt(std::string_view text);

// Plain line access without sections, for the predecessor's files and the
// record base. Each reads the next whole line and drops its line end.
int GetInt(CV3File& file);
int32_t GetLng(CV3File& file);
std::string GetStr(CV3File& file);
// 0 at the end of the file (the line is then empty), else 1.
int GetStr(CV3File& file, std::string& line);
// Writes the text and a line end; reports a failure and returns 0.
int PutStr(CV3File& file, const std::string& text);

}  // namespace v3
