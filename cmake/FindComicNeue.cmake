# Finds Comic Neue Bold, the face the pictures are lettered in, by its file.
#
#   ComicNeue_FOUND      true when the face was found
#   ComicNeue_BOLD_FONT  the font file of Comic Neue Bold
#
# Set ComicNeue_BOLD_FONT to a file to use that one.

# A file found by an earlier configure and removed since is looked for again.
if(ComicNeue_BOLD_FONT AND NOT EXISTS "${ComicNeue_BOLD_FONT}")
    unset(ComicNeue_BOLD_FONT CACHE)
endif()
find_file(ComicNeue_BOLD_FONT
    NAMES ComicNeue-Bold.otf ComicNeue-Bold.ttf
    PATH_SUFFIXES share/fonts/opentype/comic-neue share/fonts/truetype/comic-neue
    DOC "The font file of Comic Neue Bold, the face the pictures are lettered in")

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(ComicNeue
    REQUIRED_VARS ComicNeue_BOLD_FONT
    REASON_FAILURE_MESSAGE "the pictures are lettered in the face Comic Neue Bold (ComicNeue-Bold.otf), from Debian's package fonts-comic-neue: install it (apt-get install fonts-comic-neue) or set ComicNeue_BOLD_FONT to the face's file")
mark_as_advanced(ComicNeue_BOLD_FONT)
