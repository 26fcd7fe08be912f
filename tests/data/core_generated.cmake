# Runs lineato-batch on inputs too big to keep in the repository, written at test time into WORKDIR:
# a line of about one megabyte (only its first 255 characters count) and a file of 100,000 lines.
# Input: BATCH (the tool), WORKDIR (a scratch directory).
file(MAKE_DIRECTORY ${WORKDIR})

function(run_batch name)
  execute_process(COMMAND ${BATCH} --keep-going --dump ${name}.con WORKING_DIRECTORY ${WORKDIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE exit)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(exit "${exit}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}\n--- expected:\n${expected}\n--- actual:\n${actual}")
  endif()
endfunction()

# One megabyte line: the name keeps 20 characters, the coordinates lie past the cut and are never read,
# so the point stands at the origin. The next line is read normally.
string(REPEAT "Abc" 350000 long_name)
file(WRITE ${WORKDIR}/core_longline.con "PUNKT ${long_name} 7 7\r\nPUNKT B 1 1\r\n")
run_batch(core_longline)
expect("exit status" "${exit}" "0")
expect("stderr" "${err}" "")
string(CONCAT expected_out
  [[{"index":0,"kind":"Punkt","name":"AbcAbcAbcAbcAbcAbcAb","visible":true,"color":6,]]
  [["description":"Punkt AbcAbcAbcAbcAbcAbcAb hat die Koordinaten ( 0.00/ 0.00)","x":0,"y":0}]] "\n"
  [[{"index":1,"kind":"Punkt","name":"B","visible":true,"color":6,]]
  [["description":"Punkt B hat die Koordinaten ( 1.00/ 1.00)","x":1,"y":1}]] "\n"
  [[{"window":[-6.6666666666666661,-5,6.6666666666666661,5],"current_color":6,"axes":false}]] "\n")
expect("stdout" "${out}" "${expected_out}")

# 100,000 lines: a point on every 100th line at (line, 0), blank lines and lines starting with a digit
# (accepted, no effect) in between, and a rejected last line whose number must come out right.
# 999 points; each one after the first widens the window by one unit to the left.
set(content "")
foreach(block RANGE 1 999)
  math(EXPR n "${block} * 100")
  string(REPEAT "\r\n1 kein Befehl\r\n" 49 filler)
  string(APPEND content "${filler}\r\nPUNKT P${n} ${n} 0\r\n")
endforeach()
string(REPEAT "\r\n1 kein Befehl\r\n" 49 filler)
string(APPEND content "${filler}\r\nPUNKT\r\n")
file(WRITE ${WORKDIR}/core_manylines.con "${content}")
run_batch(core_manylines)
expect("exit status" "${exit}" "1")
expect("stderr" "${err}" "core_manylines.con:100000: Unerwartetes  Zeilenende!\n")
string(REGEX MATCHALL "\"index\":" objects "${out}")
list(LENGTH objects count)
expect("number of objects" "${count}" "999")
string(REGEX MATCH "[^\n]*\n$" last "${out}")
expect("window" "${last}"
       "{\"window\":[-1004.6666666666666,-37839.625,99901,37839.625],\"current_color\":6,\"axes\":false}\n")
