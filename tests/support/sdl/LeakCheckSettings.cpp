// Settings of the leak checker for the test programs that start real SDL.
//
// The GL driver that SDL loads keeps memory reachable only from its own globals. Unloading it
// at SDL_Quit turns that memory into "leaks" reported against modules the checker can no
// longer name. These programs never unload a library, so what such libraries keep stays
// reachable and our own leaks stay visible.
extern "C" int dlclose(void*)
{
    return 0;
}

// The desktop bus library loses a read buffer when it looks for a session bus through the X
// display (as it does under Xvfb); it is not ours to mend.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}

// The checker's record of the GL driver's dynamic thread-local blocks can point at memory
// already given back, and its stop-the-world thread then crashes reading it, depending only
// on where the process's memory happens to lie. Our code keeps nothing thread-local.
extern "C" const char* __asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
