# Settings for the project's own targets only; third-party code keeps its own flags.
function(trevalo_configure_target target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(TREVALO_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(TREVALO_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A test program: configured like the rest, registered with CTest under its own name.
function(trevalo_add_gtest name)
  add_executable(${name} ${ARGN})
  trevalo_configure_target(${name})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# A Qt Test program for a form, run on the offscreen platform with a CJK font available.
# Each has a home of its own: the settings, the recent projects and the recovery file of one
# test cannot meet those of another run at the same time, nor the user's own.
function(trevalo_add_qtest name)
  add_executable(${name} ${ARGN})
  trevalo_configure_target(${name})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set(home "${CMAKE_CURRENT_BINARY_DIR}/${name}_home")
  file(MAKE_DIRECTORY "${home}")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache")
endfunction()

# A library's include root holds only its own folder, so "folder/header.h" resolves for the
# library and for what links it, while a lower layer naming a higher one does not compile.
function(trevalo_include_root target folder)
  set(root ${PROJECT_BINARY_DIR}/include_roots/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
