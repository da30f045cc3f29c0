#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <windows.h>

#include <doctest/doctest.h>
