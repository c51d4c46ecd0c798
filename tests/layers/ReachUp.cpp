// Compiled with the include path of a lower library and a header from a layer
// above it: the build checks that the compiler does not find the header, so
// that layer cannot reach up.
#include REACHED_HEADER
