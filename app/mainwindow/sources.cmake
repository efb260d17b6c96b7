target_sources(pantrex_gui PRIVATE
    mainwindow/hoverhints.cpp mainwindow/hoverhints.h
    mainwindow/mergefiles.cpp mainwindow/mergefiles.h
    mainwindow/pantnew.cpp mainwindow/pantnew.h
    mainwindow/pantrex1.cpp mainwindow/pantrex1.h
    mainwindow/pantrex1custom.cpp
    mainwindow/pantrex1files.cpp
    mainwindow/pantrex1load.cpp
    mainwindow/pantrex1outside.cpp
    mainwindow/pantrex1print.cpp
    mainwindow/productview.cpp mainwindow/productview.h
    mainwindow/programrun.cpp mainwindow/programrun.h
    mainwindow/rowtextmodel.cpp mainwindow/rowtextmodel.h
    mainwindow/shoppinglistops.cpp
    mainwindow/shoppinglistpanel.cpp mainwindow/shoppinglistpanel.h
    mainwindow/workingfolder.cpp mainwindow/workingfolder.h
)
