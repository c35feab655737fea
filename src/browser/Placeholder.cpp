int tessalyBrowserPlaceholder = 0;
