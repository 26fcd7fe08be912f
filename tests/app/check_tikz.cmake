# Writes TikZ pictures of a construction with every command (colour; monochrome with axes; scaled to a
# width) with lineato-batch and compiles each inside a small LaTeX document with pdflatex.
# Input: BATCH (the tool), PDFLATEX, SOURCE (the construction), WORK (a scratch directory).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(variants colour mono width)
set(args_colour "")
set(args_mono --mono --axes)
set(args_width --tikz-width 8)
set(failures "")
foreach(variant ${variants})
  execute_process(COMMAND ${BATCH} ${args_${variant}} --tikz ${WORK}/${variant}.tex ${SOURCE}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    string(APPEND failures "lineato-batch (${variant}) exited ${status}: ${errors}\n")
    continue()
  endif()
  file(WRITE ${WORK}/doc_${variant}.tex
       "\\documentclass{article}\n\\usepackage[T1]{fontenc}\n\\usepackage{tikz}\n"
       "\\begin{document}\n\\input{${variant}.tex}\n\\end{document}\n")
  execute_process(COMMAND ${PDFLATEX} -interaction=nonstopmode -halt-on-error doc_${variant}.tex
                  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/doc_${variant}.pdf)
    string(REGEX MATCH "\n![^\n]*\n[^\n]*\n[^\n]*" error "${log}")
    string(APPEND failures "pdflatex (${variant}) failed:${error}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
