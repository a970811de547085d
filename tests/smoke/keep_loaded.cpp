// Preloaded into the window under the sanitizers: the system libraries SDL
// opens are never unloaded, so the leak report can name the library a leak
// comes from (and tests/lsan.supp can let the D-Bus library's go) instead of
// showing an unnamed module.
extern "C" int dlclose(void*) { return 0; }
