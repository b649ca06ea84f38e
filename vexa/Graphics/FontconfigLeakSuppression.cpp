// Linked into the toolkit's programs (tests, gallery) as an object, never into a library that a
// host loads. fontconfig keeps a few hundred bytes of its configuration for the life of the process (it is
// freed only by FcFini, which nothing may call while Cairo still holds faces). The leak checker
// would count them; they are fontconfig's, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
