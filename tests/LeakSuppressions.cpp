// Leaks that the leak checker of the sanitizer build must not count against us.
//
// fontconfig loses a few hundred bytes while parsing its configuration files
// on first use (inside the library, below FcInit); nothing the caller holds
// can free them. The hook is read by the leak checker at exit and is inert in
// builds without it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
