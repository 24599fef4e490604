// The library holds only the program's dictionary data, as resources (":/dictionary/").
