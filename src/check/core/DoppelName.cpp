#include "check/core/DoppelName.h"

namespace v3 {

int compareDoppelName(const tagDOPPELNAME& a, const tagDOPPELNAME& b) {
    // std::string::compare orders chars as unsigned char, which is exactly the
    // code-page byte order wanted here.
    if (int c = a.Nachname.compare(b.Nachname); c != 0) return c;
    return a.Vorname.compare(b.Vorname);
}

}  // namespace v3
