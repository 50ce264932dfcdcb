# Runs at install time, when the prefix is final (`cmake --install --prefix` overrides the
# configured one).

# desktop_entry_exec(<path> <out>): the Exec value that runs the program at <path>.
#
# An argument holding a space or another reserved character goes in double quotes, inside
# which ", `, $ and \ take a backslash; the escaping of string values then doubles every
# backslash once more, and a percent sign is a field code unless doubled. A line break or a
# tab cannot be written at all: such a prefix ends the install rather than leave a menu
# entry that starts nothing.
function(desktop_entry_exec path out)
  if(path MATCHES "[\n\r\t]")
    message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break or a tab: ${path}")
  endif()
  string(REPLACE "%" "%%" argument "${path}")
  if(argument MATCHES "[ \"'\\\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" argument "${argument}")
    set(argument "\"${argument}\"")
  endif()
  string(REPLACE "\\" "\\\\" argument "${argument}")
  set(${out} "${argument}" PARENT_SCOPE)
endfunction()

# install_desktop_entry(<template> <entry file name> <bin dir> <binary name> <data dir>)
#
# Writes the entry from <template>, its ${LUMENPAUSE_ENTRY_EXEC} replaced by the installed
# binary's full path: a prefix such as ~/.local has its bin folder on the PATH of a login
# shell at best, so a command by name could find nothing. The entry is written straight to
# its place, not by way of the build tree, so that installs into several prefixes at once
# (the tests run in parallel) each get their own.
function(install_desktop_entry template entry_name bin_dir binary_name data_dir)
  cmake_path(ABSOLUTE_PATH CMAKE_INSTALL_PREFIX NORMALIZE OUTPUT_VARIABLE prefix)
  cmake_path(APPEND prefix "${bin_dir}" "${binary_name}" OUTPUT_VARIABLE binary)
  desktop_entry_exec("${binary}" exec)
  file(READ "${template}" text)
  # Replaced as plain text: the values filled in at configure time are not expanded again.
  string(REPLACE "\${LUMENPAUSE_ENTRY_EXEC}" "${exec}" text "${text}")
  cmake_path(APPEND prefix "${data_dir}" applications "${entry_name}" OUTPUT_VARIABLE entry)
  set(destination "$ENV{DESTDIR}${entry}")
  message(STATUS "Installing: ${destination}")
  file(WRITE "${destination}" "${text}")
  # Listed with the files CMake installed itself, so that the manifest removes it too.
  set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} "${destination}" PARENT_SCOPE)
endfunction()
