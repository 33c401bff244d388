# The program's two icons, rendered from their SVG sources (resources/make_icons.py)
# at every size the desktops ask for, into ${TEXTMEND_ICON_DIR}:
#   <name>/<size>.png       for the Qt program and the hicolor theme
#   <name>.ico              for the Windows program, one frame per Windows size
# The target textmend_icons makes them all.

find_program(TEXTMEND_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TEXTMEND_IMAGEMAGICK convert REQUIRED)

set(TEXTMEND_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(TEXTMEND_ICON_NAMES textmend textmend-autoprocess)
# Sizes of the PNG pictures: the hicolor theme's usual sizes.
set(TEXTMEND_PNG_SIZES 16 24 32 48 64 128 256)
# Frames of the .ico files: small and large icons at 100 % to 200 % scaling, and 256.
set(TEXTMEND_ICO_SIZES 16 20 24 32 40 48 64 256)

set(_sizes ${TEXTMEND_PNG_SIZES} ${TEXTMEND_ICO_SIZES})
list(REMOVE_DUPLICATES _sizes)
set(_all_icons)
foreach(name ${TEXTMEND_ICON_NAMES})
    set(svg ${PROJECT_SOURCE_DIR}/resources/${name}.svg)
    foreach(size ${_sizes})
        set(png ${TEXTMEND_ICON_DIR}/${name}/${size}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${TEXTMEND_ICON_DIR}/${name}
            COMMAND ${TEXTMEND_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
            DEPENDS ${svg}
            COMMENT "Rendering ${name} at ${size} px"
            VERBATIM)
        list(APPEND _all_icons ${png})
    endforeach()

    set(frames)
    foreach(size ${TEXTMEND_ICO_SIZES})
        list(APPEND frames ${TEXTMEND_ICON_DIR}/${name}/${size}.png)
    endforeach()
    set(ico ${TEXTMEND_ICON_DIR}/${name}.ico)
    add_custom_command(OUTPUT ${ico}
        COMMAND ${TEXTMEND_IMAGEMAGICK} ${frames} ${ico}
        DEPENDS ${frames}
        COMMENT "Packing ${name}.ico"
        VERBATIM)
    list(APPEND _all_icons ${ico})
endforeach()

add_custom_target(textmend_icons ALL DEPENDS ${_all_icons})
