# The program's own pictures: a small Qt program draws them (no picture files
# are kept in the repository), and rcc compiles them into the program.
# Included from src/CMakeLists.txt when the desktop program is built; sets
# V3_PICTURES_RCC to the generated resource source.
add_executable(v3gfx ${PROJECT_SOURCE_DIR}/tools/gfx/GfxMain.cpp ${PROJECT_SOURCE_DIR}/tools/gfx/Pictures.cpp)
target_include_directories(v3gfx PRIVATE ${PROJECT_SOURCE_DIR}/tools/gfx)
target_link_libraries(v3gfx PRIVATE Qt6::Gui)
set_target_properties(v3gfx PROPERTIES AUTOMOC OFF)

set(V3_PICTURES_DIR ${CMAKE_CURRENT_BINARY_DIR}/pictures)
add_custom_command(
  OUTPUT ${V3_PICTURES_DIR}/pictures.qrc
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:v3gfx> ${V3_PICTURES_DIR}
  DEPENDS v3gfx
  COMMENT "Drawing the program's pictures"
  VERBATIM)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp
  COMMAND Qt6::rcc --name pictures --output ${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp
          ${V3_PICTURES_DIR}/pictures.qrc
  DEPENDS ${V3_PICTURES_DIR}/pictures.qrc v3gfx
  VERBATIM)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
set(V3_PICTURES_RCC ${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp)
