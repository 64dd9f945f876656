# Run by CTest after the discovered tests are added (see CMakeLists.txt):
# the environment of every test, and a time bound on the tests over tens of
# thousands of nodes, where a search of lists inside loops shows as a test
# that runs out of time.
if(varnel_core_test_names)
  set_tests_properties(${varnel_core_test_names} PROPERTIES ENVIRONMENT "LC_ALL=C;TZ=UTC")
endif()
if(varnel_gui_test_names)
  set_tests_properties(${varnel_gui_test_names} PROPERTIES ENVIRONMENT "LC_ALL=C;TZ=UTC;QT_QPA_PLATFORM=offscreen")
endif()
foreach(name IN LISTS varnel_core_test_names varnel_gui_test_names)
  if(name MATCHES "^ManySelectedNodes")
    set_tests_properties(${name} PROPERTIES TIMEOUT 60)
  endif()
endforeach()
