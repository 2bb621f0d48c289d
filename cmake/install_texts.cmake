# Run at install time (CPack's staging): writes README.txt and LICENSES/ into
# the package. Needs DECK_SOURCE_DIR.

include("${DECK_SOURCE_DIR}/cmake/texts.cmake")
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
deck_write_text("${destination}/README.txt" packaging/README.txt)
deck_write_licences("${destination}" zip)
