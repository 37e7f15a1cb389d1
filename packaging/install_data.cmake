# Runs at install time: lays the user's data files into the program folder only where
# none exist yet (an install or an update never overwrites a user's data), brings the
# national holiday list up to date, and writes the desktop entry that puts 市況ノート
# into the user's application menu.

# The program folder as the menu must name it: absolute, even for a relative --prefix
# (which the install itself takes relative to the working folder, as here).
get_filename_component(program_folder "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(folder "$ENV{DESTDIR}${program_folder}")

# The copies belong to the user, who saves over them: writable whatever the mode of
# the sample files in the source tree.
file(GLOB data_files RELATIVE "${RDX508_DATA_SOURCE}" "${RDX508_DATA_SOURCE}/*.TXT")
foreach(name IN LISTS data_files)
  if(EXISTS "${folder}/${name}")
    message(STATUS "Kept: ${folder}/${name}")
  else()
    file(COPY "${RDX508_DATA_SOURCE}/${name}" DESTINATION "${folder}"
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    message(STATUS "Installing: ${folder}/${name}")
  endif()
endforeach()

# The national holiday list is reference data, not the user's: installed where the folder
# has none, and replaced when the shipped list reaches a later year than the installed
# one. A list the user put there that reaches as far or further is kept.
function(last_listed_year list_file out)
  file(STRINGS "${list_file}" dated REGEX "^[0-9][0-9][0-9][0-9]/[0-9]")
  set(last 0)
  foreach(line IN LISTS dated)
    string(SUBSTRING "${line}" 0 4 year)
    if(year GREATER last)
      set(last ${year})
    endif()
  endforeach()
  set(${out} ${last} PARENT_SCOPE)
endfunction()

set(holiday_list syukujitsu.csv)
if(EXISTS "${RDX508_DATA_SOURCE}/${holiday_list}")
  last_listed_year("${RDX508_DATA_SOURCE}/${holiday_list}" shipped_year)
  set(installed_year 0)
  if(EXISTS "${folder}/${holiday_list}")
    last_listed_year("${folder}/${holiday_list}" installed_year)
  endif()
  if(shipped_year GREATER installed_year)
    # Removed and copied rather than file(COPY), which skips a file of the same time stamp.
    file(REMOVE "${folder}/${holiday_list}")
    file(COPY_FILE "${RDX508_DATA_SOURCE}/${holiday_list}" "${folder}/${holiday_list}")
    file(CHMOD "${folder}/${holiday_list}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    message(STATUS "Installing: ${folder}/${holiday_list} (holidays through ${shipped_year})")
  else()
    message(STATUS "Kept: ${folder}/${holiday_list} (holidays through ${installed_year})")
  endif()
endif()

if(NOT RDX508_DESKTOP_ENTRY)
  return()
endif()
if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
  set(applications "$ENV{XDG_DATA_HOME}/applications")
elseif(NOT "$ENV{HOME}" STREQUAL "")
  set(applications "$ENV{HOME}/.local/share/applications")
else()
  message(WARNING "Neither XDG_DATA_HOME nor HOME is set: no desktop entry written")
  return()
endif()

# Desktop entry values: a string keeps "\" as "\\"; the program in Exec is one quoted
# argument, inside which '"', '`', '$' and '\' are escaped, and '%' is doubled.
string(REPLACE "\\" "\\\\" exec_path "${program_folder}/rdx508")
string(REGEX REPLACE "([\"`$])" "\\\\\\1" exec_path "${exec_path}")
string(REPLACE "%" "%%" exec_path "${exec_path}")
string(REPLACE "\\" "\\\\" RDX508_EXEC "\"${exec_path}\"")
string(REPLACE "\\" "\\\\" RDX508_FOLDER "${program_folder}")
configure_file("${RDX508_PACKAGING_SOURCE}/rdx508.desktop.in"
               "$ENV{DESTDIR}${applications}/rdx508.desktop" @ONLY)
message(STATUS "Desktop entry: $ENV{DESTDIR}${applications}/rdx508.desktop")
