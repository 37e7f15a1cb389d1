# Installs the program twice into a temporary folder the way scripts/install does, with
# HOME and XDG_DATA_HOME pointed into the test's own folder, and checks what the user
# gets: the program folder's layout, the desktop entry, that a second install over
# changed data keeps them byte for byte (and puts back a data file that was deleted),
# and that the installed program opens its window on the data in its own folder.
#
# Run with: cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -DDATA_DIR=<repo>/data
#                 -DPROGRAM_NAME=rdx508 -P install_test.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR WORK_DIR DATA_DIR PROGRAM_NAME)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${BUILD_DIR}/${PROGRAM_NAME}")
  message(FATAL_ERROR "${BUILD_DIR}/${PROGRAM_NAME} is not built")
endif()

set(failures 0)
macro(check condition_text)
  if(${ARGN})
  else()
    message(SEND_ERROR "FAILED: ${condition_text}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

# A folder name with a space, Japanese characters, '%' and '$': the desktop entry must
# quote and escape it.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/my notes/市況ノート 50% $1")
set(prefix_in_exec "${WORK_DIR}/my notes/市況ノート 50%% \\\\$1")
unset(ENV{DESTDIR})
set(ENV{HOME} "${WORK_DIR}/home")
set(ENV{XDG_DATA_HOME} "${WORK_DIR}/xdg")
file(MAKE_DIRECTORY "$ENV{HOME}" "$ENV{XDG_DATA_HOME}" "${WORK_DIR}/elsewhere")

# Installs into `folder`, which may be relative to the working folder given as ARGV1.
function(install_into folder)
  set(workdir "${WORK_DIR}")
  if(ARGC GREATER 1)
    set(workdir "${ARGV1}")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${folder}"
                  WORKING_DIRECTORY "${workdir}" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
  endif()
endfunction()

function(sha_of path out)
  if(EXISTS "${path}")
    file(SHA256 "${path}" sum)
  else()
    set(sum "missing")
  endif()
  set(${out} "${sum}" PARENT_SCOPE)
endfunction()

# The desktop entry's lines of one key (from the [Desktop Entry] group, which is all
# the file holds).
function(entry_value file key out)
  file(STRINGS "${file}" lines ENCODING UTF-8 REGEX "^${key}=")
  list(LENGTH lines n)
  if(n EQUAL 1)
    string(LENGTH "${key}=" skip)
    string(SUBSTRING "${lines}" ${skip} -1 value)
  else()
    set(value "<${n} lines>")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(check_entry file)
  if(NOT EXISTS "${file}")
    message(SEND_ERROR "FAILED: no desktop entry at ${file}")
    return()
  endif()
  file(STRINGS "${file}" first LIMIT_COUNT 1)
  set(expect_Type "Application")
  set(expect_Name "市況ノート")
  set(expect_Exec "\"${prefix_in_exec}/${PROGRAM_NAME}\"")
  set(expect_Path "${prefix}")
  set(expect_Icon "${prefix}/rdx508.svg")
  set(expect_Terminal "false")
  foreach(key Type Name Exec Path Icon Terminal)
    entry_value("${file}" ${key} value)
    if(NOT value STREQUAL expect_${key})
      message(SEND_ERROR "FAILED: ${key}=${value}, expected ${key}=${expect_${key}}")
    endif()
  endforeach()
  if(NOT first STREQUAL "[Desktop Entry]")
    message(SEND_ERROR "FAILED: desktop entry starts with '${first}'")
  endif()
  find_program(validate desktop-file-validate)
  if(validate)
    execute_process(COMMAND "${validate}" "${file}" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
      message(SEND_ERROR "FAILED: desktop-file-validate ${file}:\n${out}")
    endif()
  else()
    message(STATUS "desktop-file-validate not installed: keys checked by hand only")
  endif()
endfunction()

# --- First install: a complete program folder and the entry under XDG_DATA_HOME.
install_into("${prefix}")
file(GLOB sample_names RELATIVE "${DATA_DIR}" "${DATA_DIR}/*.TXT")
list(SORT sample_names)
list(TRANSFORM sample_names PREPEND "${DATA_DIR}/" OUTPUT_VARIABLE sample_files)
check("sample files exist" sample_names)
check("the settings file is among them" "RDX508_INIT.TXT" IN_LIST sample_names)
foreach(name IN LISTS sample_names)
  sha_of("${DATA_DIR}/${name}" want)
  sha_of("${prefix}/${name}" got)
  check("${name} installed as the sample" want STREQUAL got)
endforeach()
sha_of("${DATA_DIR}/syukujitsu.csv" list_sample)
sha_of("${prefix}/syukujitsu.csv" list_installed)
check("the holiday list installed as shipped" list_sample STREQUAL list_installed)
check("the program installed" EXISTS "${prefix}/${PROGRAM_NAME}")
check("the icon installed" EXISTS "${prefix}/rdx508.svg")
check_entry("$ENV{XDG_DATA_HOME}/applications/rdx508.desktop")
check("no entry under HOME while XDG_DATA_HOME is set"
      NOT EXISTS "$ENV{HOME}/.local/share/applications/rdx508.desktop")

# --- The user's own data: an edited day, the settings' title changed, the
# colour file deleted, and the program and icon replaced by something stale.
# Edited with sed: file(READ) would drop the files' carriage returns.
function(edit name from to)
  file(STRINGS "${prefix}/${name}" hits REGEX "${from}")
  if(NOT hits)
    message(FATAL_ERROR "'${from}' not in ${name}")
  endif()
  execute_process(COMMAND sed -i "s#${from}#${to}#" "${prefix}/${name}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot edit ${name}")
  endif()
endfunction()
edit(RDX508_DAYS.TXT "01,001,24/12/27,2729.15," "01,001,24/12/27,2731.50,")
edit(RDX508_INIT.TXT "1,3,RDX508 " "1,3,RDX508 mine ")
sha_of("${prefix}/RDX508_DAYS.TXT" days_mine)
sha_of("${prefix}/RDX508_INIT.TXT" init_mine)
sha_of("${DATA_DIR}/RDX508_DAYS.TXT" days_sample)
check("the edit changed the day file" NOT days_mine STREQUAL days_sample)
file(REMOVE "${prefix}/RDX508_COLOR.TXT" "${prefix}/rdx508.svg")
file(WRITE "${prefix}/${PROGRAM_NAME}" "stale")

# --- Second install, now without XDG_DATA_HOME: the entry goes under HOME.
unset(ENV{XDG_DATA_HOME})
install_into("${prefix}")
sha_of("${prefix}/RDX508_DAYS.TXT" days_after)
sha_of("${prefix}/RDX508_INIT.TXT" init_after)
sha_of("${prefix}/RDX508_COLOR.TXT" color_after)
sha_of("${DATA_DIR}/RDX508_COLOR.TXT" color_sample)
check("the user's day file kept byte for byte" days_after STREQUAL days_mine)
check("the user's settings kept byte for byte" init_after STREQUAL init_mine)
check("a deleted data file put back from the sample" color_after STREQUAL color_sample)
check("the icon put back" EXISTS "${prefix}/rdx508.svg")
file(SIZE "${prefix}/${PROGRAM_NAME}" program_size)
check("the program updated" program_size GREATER 1000)
check_entry("$ENV{HOME}/.local/share/applications/rdx508.desktop")

# --- The holiday list is reference data: an installed list that ends before the shipped
# one is replaced, one that reaches further (the user's own download) is kept. Edited with
# sed and printf, which keep the list's bytes.
execute_process(COMMAND sed -i "/^2027\\//d" "${prefix}/syukujitsu.csv")
install_into("${prefix}")
sha_of("${prefix}/syukujitsu.csv" list_after)
check("a list ending in 2026 replaced by the shipped one" list_after STREQUAL list_sample)
execute_process(COMMAND sh -c "printf '2028/1/1,x\\r\\n' >>\"$1\"" sh "${prefix}/syukujitsu.csv")
sha_of("${prefix}/syukujitsu.csv" list_longer)
install_into("${prefix}")
sha_of("${prefix}/syukujitsu.csv" list_after)
check("a list reaching 2028 kept" list_after STREQUAL list_longer AND NOT list_longer STREQUAL list_sample)

# --- A relative --prefix: the folder is taken from the working folder, and the entry
# still names it in full.
set(ENV{HOME} "${WORK_DIR}/home2")
install_into("relative" "${WORK_DIR}")
entry_value("$ENV{HOME}/.local/share/applications/rdx508.desktop" Exec relative_exec)
check("a relative prefix installs into the working folder" EXISTS "${WORK_DIR}/relative/RDX508_INIT.TXT")
check("a relative prefix gives an absolute Exec (${relative_exec})"
      relative_exec STREQUAL "\"${WORK_DIR}/relative/${PROGRAM_NAME}\"")

# --- Run the installed program with no display. The minimal platform writes every
# painted window into output*.png in the working folder: the main window shows as an
# image of the window's fixed size, a start-up notice as a small box. The working
# folder is not the program folder, so the settings must come from the program's own
# folder. RDX508_QUIT_AFTER_FIRST_FRAME=1 ends the program once its window is painted;
# whatever still runs after 4 s (a start-up notice waits for its button) is stopped.
function(run_program program workdir out_size)
  file(GLOB old "${workdir}/output*.png")
  if(old)
    file(REMOVE ${old})
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=minimal
                          QT_DEBUG_BACKINGSTORE=1 QT_SCALE_FACTOR=1
                          RDX508_QUIT_AFTER_FIRST_FRAME=1 "${program}"
                  WORKING_DIRECTORY "${workdir}" TIMEOUT 4 RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 AND NOT rc MATCHES "timeout")
    message(SEND_ERROR "FAILED: ${program} ended with ${rc}:\n${out}")
  endif()
  file(GLOB shots "${workdir}/output*.png")
  list(SORT shots)
  if(NOT shots)
    message(SEND_ERROR "FAILED: ${program} painted no window (${rc}):\n${out}")
    set(${out_size} "none" PARENT_SCOPE)
    return()
  endif()
  list(GET shots 0 first)
  # PNG: 8-byte signature, then the IHDR chunk whose data start with width and height.
  file(READ "${first}" ihdr OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${ihdr}" 0 8 w)
  string(SUBSTRING "${ihdr}" 8 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out_size} "${w}x${h}" PARENT_SCOPE)
endfunction()

run_program("${prefix}/${PROGRAM_NAME}" "${WORK_DIR}/elsewhere" size)
check("the installed program shows its 888x549 main window (got ${size})" size STREQUAL "888x549")

# Started through a symbolic link from elsewhere (say ~/bin): the program folder is the
# folder of the program itself, not of the link.
file(MAKE_DIRECTORY "${WORK_DIR}/bin")
file(CREATE_LINK "${prefix}/${PROGRAM_NAME}" "${WORK_DIR}/bin/${PROGRAM_NAME}" SYMBOLIC)
run_program("${WORK_DIR}/bin/${PROGRAM_NAME}" "${WORK_DIR}/elsewhere" linked_size)
check("the program started through a link finds its folder (got ${linked_size})"
      linked_size STREQUAL "888x549")

# The same program copied into a folder without settings and started from a folder that
# holds the sample data: it must look in its own folder only, and say so with the
# start-up notice.
file(MAKE_DIRECTORY "${WORK_DIR}/bare" "${WORK_DIR}/with-data")
file(COPY "${prefix}/${PROGRAM_NAME}" DESTINATION "${WORK_DIR}/bare")
file(COPY ${sample_files} DESTINATION "${WORK_DIR}/with-data")
run_program("${WORK_DIR}/bare/${PROGRAM_NAME}" "${WORK_DIR}/with-data" notice_size)
check("a program without settings in its folder shows a notice (got ${notice_size})"
      NOT notice_size STREQUAL "888x549" AND NOT notice_size STREQUAL "none")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} check(s) failed")
endif()
message(STATUS "install test passed")
