// Linked into every program of the sanitized build (KIV_SANITIZE) only.
// SDL and the OpenGL libraries unload the GL driver when the display
// closes, before the leak check runs at exit; what they leaked would then be
// reported from an unknown module, which no suppression can name. Making
// dlclose keep every library loaded leaves their names on those reports, so
// scripts/lsan.supp can name the X and GL libraries, and only them.
extern "C" __attribute__((visibility("default"))) int dlclose(void*)
{
    return 0;
}
