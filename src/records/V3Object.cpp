#include "records/V3Object.h"

#include <cstdio>

#include "base/AppState.h"
#include "records/V3File.h"

namespace v3 {

CV3Object::CV3Object(const std::string& name)
    : className(name.size() < 3 ? std::string("Faulty Class declaration") : name) {}

CV3Object::~CV3Object() = default;

const std::string& CV3Object::GetClassNameA() const { return className; }

int CV3Object::WriteWarning(CV3File& file, const char* slot) {
    PutStr(file, GetClassNameA());
    PutStr(file, " .:\xB0\"\xB0:.");
    // Code page 1252: "überladen".
    PutStr(file, std::string("!ACHTUNG! Diese Funktion sollte \xFC" "berladen sein (") + slot + ")");
    PutStr(file, " `:._.:\xB4");
    return 0;
}

int CV3Object::LadenV3(CV3File& file) { return WriteWarning(file, "LadenV3"); }
int CV3Object::LadenV3Localized(CV3File& file, int, int) { return WriteWarning(file, "LadenV3Localized"); }
int CV3Object::SpeichernV3(CV3File& file) { return WriteWarning(file, "SpeichernV3"); }
int CV3Object::SpeichernV3Localized(CV3File& file, int, int) {
    return WriteWarning(file, "SpeichernV3Localized");
}

void CV3Object::SetError(const std::string& text) {
    App().lastError = text;
    App().lastErrorClass = GetClassNameA();
}

uint32_t Number() { return App().runningNumber++; }

std::string Platzhalter(const char* prefix) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%06u", prefix, unsigned(Number()));
    return buf;
}

}  // namespace v3
