target_sources(pantrex_gui PRIVATE
    mainwindow/hoverhints.cpp mainwindow/hoverhints.h
    mainwindow/pantrex1.cpp mainwindow/pantrex1.h
    mainwindow/pantrex1load.cpp
    mainwindow/pantrex1outside.cpp
    mainwindow/productview.cpp mainwindow/productview.h
    mainwindow/rowtextmodel.cpp mainwindow/rowtextmodel.h
    mainwindow/shoppinglistops.cpp
    mainwindow/shoppinglistpanel.cpp mainwindow/shoppinglistpanel.h
    mainwindow/workingfolder.cpp mainwindow/workingfolder.h
)
