# Every third-party library comes from Debian 12 packages; scripts/install-deps installs them.

find_package(PkgConfig REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Threads REQUIRED)

pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo cairo fontconfig)

if(VELMORO_GTK)
  pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  pkg_check_modules(WEBKIT REQUIRED IMPORTED_TARGET webkit2gtk-4.1)
endif()

find_package(nlohmann_json 3 REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)

if(VELMORO_TESTS)
  find_package(GTest REQUIRED)
endif()
if(VELMORO_BENCH)
  find_package(benchmark REQUIRED)
  pkg_check_modules(AGG IMPORTED_TARGET libagg)
endif()
