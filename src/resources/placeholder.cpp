// The resources layer starts here.
