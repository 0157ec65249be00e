# Vantor's icon is one hand-drawn SVG, data/icons/vantor.svg; every bitmap a
# desktop asks for is rendered from it at build time rather than kept in git.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(VANTOR_ICON_SVG ${PROJECT_SOURCE_DIR}/data/icons/vantor.svg)
set(VANTOR_ICON_SIZES 16 22 24 32 48 64 128 256)

# vantor_render_icon(<output dir> <list variable> <size>...) renders the icon
# into <output dir>/<size>x<size>/apps/<app id>.png, the layout of an icon
# theme, so that the directory installs as it is, and lists the files made.
function(vantor_render_icon out_dir out_var)
  set(files)
  foreach(size ${ARGN})
    set(dir ${out_dir}/${size}x${size}/apps)
    set(png ${dir}/${VANTOR_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                       COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${VANTOR_ICON_SVG}
                       DEPENDS ${VANTOR_ICON_SVG}
                       COMMENT "Rendering the ${size} px icon"
                       VERBATIM)
    list(APPEND files ${png})
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# The rendered sizes in the layout of the hicolor theme, where the program's
# resources take them from and the install copies them.
set(VANTOR_ICON_THEME_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
