// Built into the program only when it is built with the sanitizers: what the libraries
// below it keep at the end of a run and never free, so that LeakSanitizer reports what is
// the program's own. Each entry names one library fault, not a leak of this program.
//  - libdbus keeps a read buffer of each bus connection it has ever read from, even once
//    the connection is closed (Qt's and the audio library's connections alike).
//  - The audio library's PulseAudio device watcher asks for a sink's details when the
//    sink changes and never releases the request it made (in libpulse's allocator; the
//    program itself never calls libpulse).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libpulse.so\n";
}
