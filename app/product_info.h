/* The product's name, version and copyright line. Plain C macros, because the
   resource compiler reads this file too; the banner and the file's version
   resource therefore always say the same. */
#ifndef CLEANER_PRODUCT_INFO_H
#define CLEANER_PRODUCT_INFO_H

#define CLEANER_PRODUCT_NAME "Orvane Merrow Linkora Registry Cleaner"
#define CLEANER_VERSION_TEXT "1.0.1"
#define CLEANER_VERSION_NUMBERS 1, 0, 1, 0
#define CLEANER_RELEASE_DATE "09Dec2003"
#define CLEANER_COPYRIGHT "Copyright (C) 2003 Orvane. All rights reserved."

#endif
