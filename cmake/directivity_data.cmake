# Generated directivity tables of each deliverable (filled in by the data generator).
function(directivity_data_sources product out)
  set(${out} "" PARENT_SCOPE)
endfunction()
