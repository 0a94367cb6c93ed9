// A shared library with one exported entry point, loaded by the loader tests.

extern "C" __attribute__((visibility("default"))) int telvora_test_answer() {
    return 42;
}
