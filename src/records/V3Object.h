#pragma once
// Base of every persistent record: a class-name tag and the last-error hook,
// plus the running number behind placeholder names.
#include <cstdint>
#include <string>

namespace v3 {

class CV3File;

class CV3Object {
public:
    // A tag shorter than 3 characters becomes "Faulty Class declaration".
    explicit CV3Object(const std::string& className);
    virtual ~CV3Object();
    CV3Object(const CV3Object&) = default;
    CV3Object& operator=(const CV3Object&) = default;

    virtual const std::string& GetClassNameA() const;
    // Placeholders for records that do not load and save themselves: each writes
    // its tag, a marker line, a warning and a second marker line, and returns 0.
    virtual int LadenV3(CV3File& file);
    virtual int LadenV3Localized(CV3File& file, int, int);
    virtual int SpeichernV3(CV3File& file);
    virtual int SpeichernV3Localized(CV3File& file, int, int);

    // Sets the process-wide lastError and lastErrorClass (this record's tag).
    void SetError(const std::string& text);

protected:
    std::string className;

private:
    int WriteWarning(CV3File& file, const char* slot);
};

// Returns the running number and then increases it by one.
uint32_t Number();
// A placeholder name: prefix + the next running number, at least six digits,
// zero-filled ("NA" gives NA000042).
std::string Platzhalter(const char* prefix);

}  // namespace v3
